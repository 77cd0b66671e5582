#include "bench/RawMupdfRenderer.h"

extern "C" {
#include <mupdf/fitz.h>
}

namespace quillmoor::bench {

struct RawMupdfRenderer::State {
  fz_context* context = nullptr;
  fz_document* document = nullptr;
};

RawMupdfRenderer::RawMupdfRenderer(const std::string& path) : state_(std::make_unique<State>()) {
  state_->context = fz_new_context(nullptr, nullptr, FZ_STORE_DEFAULT);
  if (!state_->context) return;
  fz_try(state_->context) {
    fz_register_document_handlers(state_->context);
    state_->document = fz_open_document(state_->context, path.c_str());
  }
  fz_catch(state_->context) { state_->document = nullptr; }
}

RawMupdfRenderer::~RawMupdfRenderer() {
  if (!state_->context) return;
  fz_drop_document(state_->context, state_->document);
  fz_drop_context(state_->context);
}

bool RawMupdfRenderer::loaded() const { return state_->document != nullptr; }

bool RawMupdfRenderer::render(int page, double dpi) {
  if (!loaded()) return false;
  fz_context* ctx = state_->context;
  fz_pixmap* pixmap = nullptr;
  bool ok = true;
  fz_try(ctx) {
    const float zoom = static_cast<float>(dpi / 72.0);
    pixmap = fz_new_pixmap_from_page_number(ctx, state_->document, page - 1, fz_scale(zoom, zoom),
                                            fz_device_rgb(ctx), 0);
  }
  fz_catch(ctx) { ok = false; }
  fz_drop_pixmap(ctx, pixmap);
  return ok;
}

}  // namespace quillmoor::bench
