#pragma once
// The PDF engine layer over MuPDF: one engine per process, one loaded document
// at a time. Every engine failure comes back as a result (a load code, a count
// of 0, an empty text, a null image, false); nothing of MuPDF shows here.
// Only the UI thread calls it.

#include <QImage>

#include <memory>
#include <string>

namespace quillmoor {

enum PdfLoadResult : int {
  kPdfLoaded = 0,
  kPdfNotOpened = 1,          // missing, unreadable, damaged beyond repair, not a PDF, or no pages
  kPdfPasswordRequired = 2,   // encrypted, and the password given does not open it
  kPdfEngineUnavailable = 3,  // the engine could not start (no memory for its context)
};

// A render larger than this many pixels is refused with a null image rather
// than risking an allocation failure: an A3 sheet at 300 dpi is about 17 MP.
inline constexpr long long kMaxRenderPixels = 150'000'000;

// Outline walks stop here, whatever a damaged file claims.
inline constexpr int kMaxOutlineEntries = 100'000;

class PdfEngine {
 public:
  // The process's engine, started on first use.
  static PdfEngine& instance();

  PdfEngine(const PdfEngine&) = delete;
  PdfEngine& operator=(const PdfEngine&) = delete;

  // Drops the loaded document, then loads `path` (UTF-8). On any failure no
  // document is loaded: the page count is 0 and the outline empty.
  PdfLoadResult load(const std::string& path, const std::string& password = {});

  // The file of the loaded document; empty when none is loaded.
  const std::string& documentPath() const;
  int pageCount() const;

  // The outline flattened in depth-first order. Indexes run from 1 to the
  // count; an id that names no entry gives an empty title and page 0.
  int outlineCount() const;
  int outlineId(int index) const;
  std::string outlineTitle(int id) const;
  // 1-based page the entry points to; 0 when it points nowhere. A page past
  // the end comes back as the file states it.
  int outlinePage(int id) const;

  // Page `page` (1-based) at `dpi` on white. A null image when no document is
  // loaded, the page is outside it, the image would exceed kMaxRenderPixels
  // or the engine fails.
  QImage renderPage(int page, double dpi) const;
  // Writes the page as a JPEG file whose header records `dpi`. False when
  // there is no page to render or the file cannot be written.
  bool writePageJpeg(int page, double dpi, const std::string& outPath) const;

  // The print queues: each name between double quotes, one a line, the
  // default queue first; empty when there is none.
  std::string printerNames() const;
  // Sends the pages of `pageRange` ("7", "2-4,9") of the loaded document to
  // the queue `printer` under the job title `title`. False when no document
  // is loaded, the range names no page of it, or the queue refuses the job.
  bool printPages(const std::string& printer, const std::string& pageRange, const std::string& title) const;

 private:
  PdfEngine();
  ~PdfEngine();

  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace quillmoor
