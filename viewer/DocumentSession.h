#pragma once
// The one open atlas: the PDF engine, the result of the last load, the page
// count and the page the viewer shows.

#include <QImage>
#include <QString>

#include <string>

namespace quillmoor {

class PdfEngine;

inline constexpr char kDefaultAtlasName[] = "16G101-1.pdf";

class DocumentSession {
 public:
  // `dataDir` holds the default atlas.
  explicit DocumentSession(QString dataDir);

  // Takes the process's PDF engine; before it, every call acts on no document.
  void createEngine();

  // Loads a file (the default atlas for an empty name) and reads its page
  // count. The load result is kept and returned; no caller interprets it.
  int openDocument(const std::string& fileName);

  int readPageCount() const;
  int outlineCount() const;
  int outlineId(int index) const;
  std::string outlineTitle(int id) const;
  int outlinePage(int id) const;
  // The page rendered at `dpi`; a null image when there is none to make.
  QImage renderPage(int page, double dpi) const;
  bool writePageJpeg(int page, double dpi, const std::string& path) const;
  // The engine's print queues and print jobs (see PdfEngine).
  std::string printerNames() const;
  bool printPages(const std::string& printer, const std::string& pageRange, const std::string& title) const;

  int loadResult() const { return loadResult_; }
  int pageCount() const { return pageCount_; }
  int currentPage() const { return currentPage_; }
  void setCurrentPage(int page) { currentPage_ = page; }
  std::string defaultAtlasFile() const;
  PdfEngine* engine() const { return engine_; }

 private:
  QString dataDir_;
  PdfEngine* engine_ = nullptr;
  int loadResult_ = 0;
  int pageCount_ = 0;
  int currentPage_ = 1;
};

}  // namespace quillmoor
