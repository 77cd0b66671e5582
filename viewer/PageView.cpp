#include "viewer/PageView.h"

#include "platform/UiPictureShape.h"
#include "viewer/DocumentSession.h"

#include <QLineEdit>

#include <cstdlib>
#include <limits>

namespace quillmoor {

PageView::PageView(DocumentSession& session, UiPictureShape* picture, QLineEdit* pageBox, double dpi)
    : session_(session), picture_(picture), pageBox_(pageBox), dpi_(dpi) {}

QImage PageView::renderPage(int page) const { return session_.renderPage(page, dpi_); }

void PageView::showPage(int page) {
  if (!picture_) return;
  picture_->setImage(renderPage(page));
  picture_->repaint();
}

int PageView::ReadPageNumber(const QString& text) {
  // atoi's reading, made safe: a number too long for an int saturates
  // instead of being undefined.
  const QByteArray bytes = text.toUtf8();
  const char* p = bytes.constData();
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  long long value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    value = value * 10 + (*p - '0');
    if (value > std::numeric_limits<int>::max()) return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
  }
  return static_cast<int>(negative ? -value : value);
}

int PageView::readPageBox() const { return pageBox_ ? ReadPageNumber(pageBox_->text()) : 0; }

void PageView::writePageBox(QLineEdit* box, int number) {
  if (!box) return;
  box->setText(QString::number(number));
  box->repaint();
}

void PageView::previousPage() {
  const int current = session_.currentPage();
  session_.setCurrentPage(current <= 1 ? 1 : current - 1);
  showPage(session_.currentPage());
  writePageBox(pageBox_, session_.currentPage());
}

void PageView::nextPage() {
  const int current = session_.currentPage();
  if (current != session_.readPageCount() && current < std::numeric_limits<int>::max())
    session_.setCurrentPage(current + 1);
  showPage(session_.currentPage());
  writePageBox(pageBox_, session_.currentPage());
}

int PageView::pageAfterKey(int keyCode, int n) const {
  const int count = session_.pageCount();
  switch (keyCode) {
    case kKeyEnter: return n;
    case kKeyPageDown: case kKeyRight: case kKeyDown: return n < count ? n + 1 : n;
    case kKeyPageUp: case kKeyLeft: case kKeyUp: return n > 1 ? n - 1 : n;
    case kKeyHome: return 1;
    case kKeyEnd: return count;
    default: return session_.currentPage();
  }
}

void PageView::onPageKey(int keyCode, KeyState state) {
  if (state == KeyState::Up) return;
  session_.setCurrentPage(pageAfterKey(keyCode, readPageBox()));
  showPage(session_.currentPage());
  writePageBox(pageBox_, session_.currentPage());
}

}  // namespace quillmoor
