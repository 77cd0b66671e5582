#pragma once
// The page view: one page of the open atlas as a picture rendered on demand,
// the previous and next buttons, the page box and the page keys.

#include <QImage>

class QLineEdit;

namespace quillmoor {

class DocumentSession;
class UiPictureShape;

inline constexpr double kDisplayDpi = 200.0;

// Navigation keys by their virtual-key codes.
enum PageKey : int {
  kKeyEnter = 13,
  kKeyPageUp = 33,
  kKeyPageDown = 34,
  kKeyEnd = 35,
  kKeyHome = 36,
  kKeyLeft = 37,
  kKeyUp = 38,
  kKeyRight = 39,
  kKeyDown = 40,
};

enum class KeyState { Down = 1, Up = 2 };

class PageView {
 public:
  PageView(DocumentSession& session, UiPictureShape* picture, QLineEdit* pageBox,
           double dpi = kDisplayDpi);

  // The page at the view's resolution (200 dpi); a null image when the page cannot be rendered.
  QImage renderPage(int page) const;
  // Renders and shows a page; an empty page area when there is no picture.
  void showPage(int page);
  // The page box read the way atoi reads: optional sign and leading digits,
  // 0 when the text does not begin with a number.
  int readPageBox() const;

  void previousPage();
  void nextPage();
  void onPageKey(int keyCode, KeyState state);

  static void writePageBox(QLineEdit* box, int number);
  static int ReadPageNumber(const QString& text);

 private:
  int pageAfterKey(int keyCode, int boxNumber) const;

  DocumentSession& session_;
  UiPictureShape* picture_;
  QLineEdit* pageBox_;
  double dpi_;
};

}  // namespace quillmoor
