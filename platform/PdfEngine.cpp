#include "platform/PdfEngine.h"

#include "platform/CupsPrinting.h"
#include "platform/MupdfCall.h"
#include "platform/PdfOutline.h"
#include "platform/PdfPageRender.h"
#include "util/DiagnosticOutput.h"

#include <QImageWriter>
#include <QSaveFile>
#include <QString>

#include <cmath>
#include <filesystem>
#include <vector>

extern "C" {
#include <mupdf/pdf.h>
}

namespace quillmoor {
namespace {

constexpr double kInchesPerMeter = 1.0 / 0.0254;
constexpr int kJpegQuality = 90;

// MuPDF's warnings and errors go where the program's other unseen failures go.
void ReportToDiagnostics(void* /*user*/, const char* message) {
  try {
    DiagnosticOutput(std::string("PDF engine: ") + message);
  } catch (...) {
    // A callback must not throw into MuPDF; losing one diagnostic line is fine.
  }
}

fz_context* NewContext() {
  fz_context* ctx = fz_new_context(nullptr, nullptr, FZ_STORE_DEFAULT);
  if (!ctx) return nullptr;
  fz_set_warning_callback(ctx, ReportToDiagnostics, nullptr);
  fz_set_error_callback(ctx, ReportToDiagnostics, nullptr);
  return ctx;
}

// Only PDF: the engine does not guess at other formats from a file's name or contents.
pdf_document* OpenPdf(fz_context* ctx, const char* path) {
  return MupdfCall<pdf_document*>(ctx, nullptr, [&] { return pdf_open_document(ctx, path); });
}

bool Unlock(fz_context* ctx, fz_document* doc, const char* password) {
  return MupdfCall(ctx, false, [&] {
    return !fz_needs_password(ctx, doc) || fz_authenticate_password(ctx, doc, password) != 0;
  });
}

int CountPages(fz_context* ctx, fz_document* doc) {
  return MupdfCall(ctx, 0, [&] { return fz_count_pages(ctx, doc); });
}

bool IsUsableDpi(double dpi) { return std::isfinite(dpi) && dpi > 0.0; }

}  // namespace

struct PdfEngine::State {
  fz_context* ctx = nullptr;
  pdf_document* doc = nullptr;
  std::string path;
  int pageCount = 0;
  std::vector<PdfOutlineEntry> outline;

  void closeDocument() {
    if (ctx) pdf_drop_document(ctx, doc);
    doc = nullptr;
    path.clear();
    pageCount = 0;
    outline.clear();
  }
  const PdfOutlineEntry* entry(int id) const {
    if (id < 1 || id > static_cast<int>(outline.size())) return nullptr;
    return &outline[static_cast<size_t>(id - 1)];
  }
};

PdfEngine& PdfEngine::instance() {
  static PdfEngine engine;
  return engine;
}

PdfEngine::PdfEngine() : state_(std::make_unique<State>()) { state_->ctx = NewContext(); }

PdfEngine::~PdfEngine() {
  state_->closeDocument();
  fz_drop_context(state_->ctx);
}

PdfLoadResult PdfEngine::load(const std::string& path, const std::string& password) {
  state_->closeDocument();
  fz_context* ctx = state_->ctx;
  if (!ctx) return kPdfEngineUnavailable;
  // Only a regular file is a document: opening a named pipe would wait for a
  // writer for ever, and the program with it.
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(path, ignored)) return kPdfNotOpened;
  pdf_document* doc = OpenPdf(ctx, path.c_str());
  if (!doc) return kPdfNotOpened;
  if (!Unlock(ctx, &doc->super, password.c_str())) {
    pdf_drop_document(ctx, doc);
    return kPdfPasswordRequired;
  }
  const int count = CountPages(ctx, &doc->super);
  if (count <= 0) {
    pdf_drop_document(ctx, doc);
    return kPdfNotOpened;
  }
  state_->doc = doc;
  state_->path = path;
  state_->pageCount = count;
  state_->outline = ReadPdfOutline(ctx, doc, kMaxOutlineEntries);
  return kPdfLoaded;
}

const std::string& PdfEngine::documentPath() const { return state_->path; }

int PdfEngine::pageCount() const { return state_->pageCount; }

int PdfEngine::outlineCount() const { return static_cast<int>(state_->outline.size()); }

int PdfEngine::outlineId(int index) const { return state_->entry(index) ? index : 0; }

std::string PdfEngine::outlineTitle(int id) const {
  const PdfOutlineEntry* entry = state_->entry(id);
  return entry ? entry->title : std::string();
}

int PdfEngine::outlinePage(int id) const {
  const PdfOutlineEntry* entry = state_->entry(id);
  return entry ? entry->page : 0;
}

QImage PdfEngine::renderPage(int page, double dpi) const {
  if (!state_->doc || page < 1 || page > state_->pageCount || !IsUsableDpi(dpi)) return {};
  return RenderPdfPage(state_->ctx, &state_->doc->super, page - 1, dpi, kMaxRenderPixels);
}

bool PdfEngine::writePageJpeg(int page, double dpi, const std::string& outPath) const {
  if (outPath.empty()) return false;
  QImage image = renderPage(page, dpi);
  if (image.isNull()) return false;
  // Qt's JPEG writer turns this density into the JFIF header's dots per inch.
  const int dotsPerMeter = static_cast<int>(std::lround(dpi * kInchesPerMeter));
  image.setDotsPerMeterX(dotsPerMeter);
  image.setDotsPerMeterY(dotsPerMeter);
  // Written aside and moved into place, so a failed export leaves no half file.
  QSaveFile file(QString::fromStdString(outPath));
  if (!file.open(QIODevice::WriteOnly)) return false;
  QImageWriter writer(&file, "jpeg");
  writer.setQuality(kJpegQuality);
  if (!writer.write(image)) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

std::string PdfEngine::printerNames() const { return CupsPrinterNames(); }

// The file itself goes to the queue, not a picture of the page: the printer
// draws the page's vectors at its own resolution.
bool PdfEngine::printPages(const std::string& printer, const std::string& pageRange, const std::string& title) const {
  if (!state_->doc || !IsPageRangeWithin(pageRange, state_->pageCount)) return false;
  return CupsPrintPdf(printer, state_->path, pageRange, title) != 0;
}

}  // namespace quillmoor
