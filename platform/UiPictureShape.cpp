#include "platform/UiPictureShape.h"

#include <QPainter>

namespace quillmoor {

UiPictureShape::UiPictureShape(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void UiPictureShape::setImage(QImage image) {
  image_ = std::move(image);
  scaled_ = QPixmap();
  update();
}

void UiPictureShape::clearImage() { setImage(QImage()); }

QRect UiPictureShape::imageRect() const {
  if (image_.isNull()) return {};
  QSize size = image_.size();
  if (size.width() > width() || size.height() > height()) size.scale(this->size(), Qt::KeepAspectRatio);
  return {QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size};
}

void UiPictureShape::resizeEvent(QResizeEvent*) { scaled_ = QPixmap(); }

void UiPictureShape::paintEvent(QPaintEvent*) {
  if (image_.isNull()) return;
  const QRect target = imageRect();
  if (target.isEmpty()) return;
  if (scaled_.size() != target.size()) {
    // Qt scales and paints 32-bit images on its fast paths; convert first so
    // the smooth scaling and the pixmap hand-over need no further conversion.
    QImage source = image_.depth() == 32 ? image_ : image_.convertToFormat(QImage::Format_RGB32);
    if (target.size() != source.size())
      source = source.scaled(target.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled_ = QPixmap::fromImage(std::move(source));
  }
  QPainter painter(this);
  painter.drawPixmap(target.topLeft(), scaled_);
}

}  // namespace quillmoor
