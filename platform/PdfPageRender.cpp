#include "platform/PdfPageRender.h"

#include "platform/MupdfCall.h"

// MuPDF reports failures with setjmp/longjmp: the blocks below hold only plain
// C values, so a jump skips no C++ destructor.

namespace quillmoor {
namespace {

constexpr double kPointsPerInch = 72.0;

fz_page* LoadPage(fz_context* ctx, fz_document* doc, int index) {
  return MupdfCall<fz_page*>(ctx, nullptr, [&] { return fz_load_page(ctx, doc, index); });
}

bool PixelBox(fz_context* ctx, fz_page* page, fz_matrix ctm, fz_irect* box) {
  return MupdfCall(ctx, false, [&] {
    *box = fz_round_rect(fz_transform_rect(fz_bound_page(ctx, page), ctm));
    return true;
  });
}

// Draws the page on white into caller-owned RGB rows, `box` mapped to (0, 0).
bool DrawPage(fz_context* ctx, fz_page* page, fz_matrix ctm, fz_irect box, unsigned char* samples, int stride) {
  fz_pixmap* pixmap = nullptr;
  fz_device* device = nullptr;
  bool ok = true;
  fz_var(pixmap);
  fz_var(device);
  fz_try(ctx) {
    pixmap = fz_new_pixmap_with_data(ctx, fz_device_rgb(ctx), fz_irect_width(box), fz_irect_height(box), nullptr,
                                     0, stride, samples);
    fz_clear_pixmap_with_value(ctx, pixmap, 0xff);
    device = fz_new_draw_device(ctx, fz_concat(ctm, fz_translate(-box.x0, -box.y0)), pixmap);
    fz_run_page(ctx, page, device, fz_identity, nullptr);
    fz_close_device(ctx, device);
  }
  fz_always(ctx) {
    fz_drop_device(ctx, device);
    fz_drop_pixmap(ctx, pixmap);
  }
  fz_catch(ctx) { ok = false; }
  return ok;
}

QImage RenderLoadedPage(fz_context* ctx, fz_page* page, double dpi, long long maxPixels) {
  const float zoom = static_cast<float>(dpi / kPointsPerInch);
  const fz_matrix ctm = fz_scale(zoom, zoom);
  fz_irect box;
  if (!PixelBox(ctx, page, ctm, &box)) return {};
  const long long width = fz_irect_width(box);
  const long long height = fz_irect_height(box);
  if (width <= 0 || height <= 0 || width * height > maxPixels) return {};
  // MuPDF's rgb without alpha is three bytes a pixel: Qt's RGB888.
  QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB888);
  if (image.isNull()) return {};
  if (!DrawPage(ctx, page, ctm, box, image.bits(), static_cast<int>(image.bytesPerLine()))) return {};
  return image;
}

}  // namespace

QImage RenderPdfPage(fz_context* ctx, fz_document* doc, int index, double dpi, long long maxPixels) {
  fz_page* page = LoadPage(ctx, doc, index);
  if (!page) return {};
  QImage image = RenderLoadedPage(ctx, page, dpi, maxPixels);
  fz_drop_page(ctx, page);
  return image;
}

}  // namespace quillmoor
