#pragma once
// A picture shape: shows one image at its own size when it fits, otherwise
// scaled down to fit with its aspect ratio kept; never enlarged. Without an
// image it shows an empty area.

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace quillmoor {

class UiPictureShape : public QWidget {
  Q_OBJECT

 public:
  explicit UiPictureShape(QWidget* parent = nullptr);

  void setImage(QImage image);
  void clearImage();
  const QImage& image() const { return image_; }
  bool hasImage() const { return !image_.isNull(); }
  // Where the image is drawn inside the shape; empty without an image.
  QRect imageRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage image_;
  QPixmap scaled_;  // the image at its drawn size, made once per image and size
};

}  // namespace quillmoor
