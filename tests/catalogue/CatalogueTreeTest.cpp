// The catalogue tree built from a real keyed catalogue and path sheet.

#include "BuildConfig.h"
#include "catalogue/CatalogueSources.h"
#include "catalogue/CatalogueTree.h"
#include "catalogue/CatalogueTreeText.h"
#include "catalogue/Edition.h"
#include "platform/UiTreeAdapter.h"
#include "tests/catalogue/CatalogueFixtures.h"

#include <gtest/gtest.h>

namespace quillmoor {
namespace {

// Top categories in the database's order, level 2 as well (Y before X), levels
// 3 and 4 by name; a fifth level (6) that must not show.
const test::CatalogueTables kEdgeCases{
    "sublibid\tsublibname\tupsublibid\n"
    "1\t甲\t\n"
    "2\t二级\t1\n"
    "3\tB-三级\t2\n"
    "4\tA-三级\t2\n"
    "5\tL4-有图集\t4\n"
    "6\tL5-不显示\t5\n"
    "7\tC-空分类\t2\n"
    "10\t乙\t\n"
    "12\tY-二级\t10\n"
    "11\tX-二级\t10\n",
    "id\ttitle\tcode\tcode2\tClassID\n"
    "101\t第二\tA-2\t2\t1\n"
    "102\t第一\tA-1\t1\t1\n"
    "103\t第三\tB-1\t1\t2\n"
    "104\t第四\tC-1\t1\t3\n"
    "105\t第五\tD-1\t1\t5\n"
    "106\t第六\tE-1\t1\t6\n"
    "107\t第七\tF-1\t1\t12\n",
    "id\t图集所在文件夹\t文件名\n"
    "101\t/p\ta2.pdf\n"
    "105\t@DIR@\tmissing.pdf\n"
    "106\t/p\te1.pdf\n"
    "107\t/p\tf1.pdf\n"};

std::string ExpectedTree(const QString& dir) {
  return "C\t甲\t1\n"
         "  A\tA-1\t第一\t\t102\n"
         "  A\tA-2\t第二\t/p/a2.pdf\t101\n"
         "  C\t二级\t2\n"
         "    A\tB-1\t第三\t\t103\n"
         "    C\tA-三级\t4\n"
         "      C\tL4-有图集\t5\n"
         "        A\t[√]D-1\t第五\t" + dir.toStdString() + "/missing.pdf\t105\n"
         "    C\tB-三级\t3\n"
         "      A\t[×]C-1\t第四\t\t104\n"
         "    C\tC-空分类\t7\n"
         "C\t乙\t10\n"
         "  C\tY-二级\t12\n"
         "    A\tF-1\t第七\t/p/f1.pdf\t107\n"
         "  C\tX-二级\t11\n";
}

class CatalogueTreeTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { dir_ = test::MakeCatalogueDir("tree-edge-cases", kEdgeCases); }

  void SetUp() override {
    AddCatalogueColumns(adapter_);
    CatalogueSources sources(kStructureEditionLabel, dir_.toStdString(), build::kResourcePassword);
    BuildCatalogueTree(sources, adapter_);
  }

  // The item of a top category's child by row, -1 when there is none.
  int ChildAt(int parent, int row) const {
    return adapter_.itemAt(adapter_.index(row, 0, adapter_.indexOf(parent)));
  }

  static QString dir_;
  UiTreeAdapter adapter_;
};

QString CatalogueTreeTest::dir_;

TEST_F(CatalogueTreeTest, HasTheShapeOfTheCatalogue) { EXPECT_EQ(CatalogueTreeText(adapter_), ExpectedTree(dir_)); }

TEST_F(CatalogueTreeTest, ATopCategoryHasItsAtlasesThenItsSubCategory) {
  const int top = ChildAt(UiTreeAdapter::kRoot, 0);
  ASSERT_EQ(adapter_.childCount(top), 3);
  EXPECT_EQ(adapter_.itemText(ChildAt(top, 0), column::kAtlasCode), QStringLiteral("A-1"));
  EXPECT_EQ(adapter_.itemText(ChildAt(top, 1), column::kAtlasCode), QStringLiteral("A-2"));
  EXPECT_EQ(adapter_.itemText(ChildAt(top, 2), column::kCategoryName), QStringLiteral("二级"));
}

TEST_F(CatalogueTreeTest, AtlasItemsHaveNoTextAndAllTheirColumns) {
  const int atlas = ChildAt(ChildAt(UiTreeAdapter::kRoot, 0), 1);
  EXPECT_EQ(adapter_.data(adapter_.indexOf(atlas)).toString(), QString());
  EXPECT_EQ(adapter_.itemText(atlas, column::kAtlasId), QStringLiteral("101"));
  EXPECT_EQ(adapter_.itemText(atlas, column::kAtlasTitle), QStringLiteral("第二"));
  EXPECT_EQ(adapter_.itemText(atlas, column::kAtlasFile), QStringLiteral("/p/a2.pdf"));
  EXPECT_EQ(adapter_.itemText(atlas, column::kCategoryId), QString());
  EXPECT_EQ(adapter_.itemText(atlas, column::kAtlasTotal), QString());
  EXPECT_TRUE(IsAtlasItem(adapter_, atlas));
  EXPECT_FALSE(IsCategoryItem(adapter_, atlas));
}

TEST_F(CatalogueTreeTest, AnEmptyCategoryIsALeafTakenForAnAtlas) {
  const int level2 = ChildAt(ChildAt(UiTreeAdapter::kRoot, 0), 2);
  const int empty = ChildAt(level2, 3);
  ASSERT_EQ(adapter_.itemText(empty, column::kCategoryName), QStringLiteral("C-空分类"));
  EXPECT_TRUE(IsAtlasItem(adapter_, empty));
  EXPECT_TRUE(IsCategoryItem(adapter_, empty));
  EXPECT_EQ(adapter_.itemText(empty, column::kAtlasFile), QString());
  EXPECT_EQ(adapter_.itemText(empty, column::kAtlasId), QString());
}

}  // namespace
}  // namespace quillmoor
