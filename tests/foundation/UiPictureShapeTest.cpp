#include "platform/UiPictureShape.h"

#include <gtest/gtest.h>

namespace quillmoor {
namespace {

struct FitCase {
  const char* name;
  QSize shape;
  QSize image;
  QSize drawn;
};

class PictureFit : public testing::TestWithParam<FitCase> {};

TEST_P(PictureFit, DrawsAtOwnSizeOrScaledDownKeepingAspect) {
  const FitCase& c = GetParam();
  UiPictureShape shape;
  shape.resize(c.shape);
  QImage image(c.image, QImage::Format_RGB32);
  image.fill(Qt::white);
  shape.setImage(image);
  const QRect drawn = shape.imageRect();
  EXPECT_EQ(drawn.size(), c.drawn);
  EXPECT_TRUE(QRect(QPoint(), c.shape).contains(drawn));
  EXPECT_EQ(drawn.center().x(), QRect(QPoint(), c.shape).center().x());  // centred
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, PictureFit,
    testing::Values(FitCase{"FitsIsNotEnlarged", {800, 600}, {400, 300}, {400, 300}},
                    FitCase{"ExactFit", {800, 600}, {800, 600}, {800, 600}},
                    FitCase{"WiderIsScaledToWidth", {800, 600}, {3307, 2339}, {800, 565}},
                    FitCase{"TallerIsScaledToHeight", {800, 600}, {1000, 2000}, {300, 600}},
                    FitCase{"OneSideTooLarge", {800, 600}, {900, 100}, {800, 88}}),
    [](const testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

TEST(UiPictureShape, WithoutAnImageShowsAnEmptyArea) {
  UiPictureShape shape;
  shape.resize(400, 300);
  QImage image(10, 10, QImage::Format_RGB32);
  shape.setImage(image);
  shape.clearImage();
  EXPECT_FALSE(shape.hasImage());
  EXPECT_TRUE(shape.imageRect().isEmpty());
  shape.grab();  // painting with no image must be harmless
}

}  // namespace
}  // namespace quillmoor
