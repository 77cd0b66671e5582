#include "viewer/DocumentSession.h"

#include "platform/PdfEngine.h"

#include <QDir>

namespace quillmoor {

DocumentSession::DocumentSession(QString dataDir) : dataDir_(std::move(dataDir)) {}

void DocumentSession::createEngine() { engine_ = &PdfEngine::instance(); }

std::string DocumentSession::defaultAtlasFile() const {
  return QDir(dataDir_).filePath(QString::fromLatin1(kDefaultAtlasName)).toStdString();
}

int DocumentSession::openDocument(const std::string& fileName) {
  if (!engine_) return kPdfEngineUnavailable;
  loadResult_ = engine_->load(fileName.empty() ? defaultAtlasFile() : fileName);
  pageCount_ = engine_->pageCount();
  return loadResult_;
}

int DocumentSession::readPageCount() const { return engine_ ? engine_->pageCount() : 0; }

int DocumentSession::outlineCount() const { return engine_ ? engine_->outlineCount() : 0; }

int DocumentSession::outlineId(int index) const { return engine_ ? engine_->outlineId(index) : 0; }

std::string DocumentSession::outlineTitle(int id) const { return engine_ ? engine_->outlineTitle(id) : std::string(); }

int DocumentSession::outlinePage(int id) const { return engine_ ? engine_->outlinePage(id) : 0; }

QImage DocumentSession::renderPage(int page, double dpi) const {
  return engine_ ? engine_->renderPage(page, dpi) : QImage();
}

bool DocumentSession::writePageJpeg(int page, double dpi, const std::string& path) const {
  return engine_ && engine_->writePageJpeg(page, dpi, path);
}

std::string DocumentSession::printerNames() const { return engine_ ? engine_->printerNames() : std::string(); }

bool DocumentSession::printPages(const std::string& printer, const std::string& pageRange,
                                 const std::string& title) const {
  return engine_ && engine_->printPages(printer, pageRange, title);
}

}  // namespace quillmoor
