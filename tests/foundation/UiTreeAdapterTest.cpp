#include "platform/UiEvents.h"
#include "platform/UiTreeAdapter.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

namespace quillmoor {
namespace {

class UiTreeAdapterTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* c : {"cate1", "cateid", "bookid"}) adapter_.addColumn(QString::fromLatin1(c));
  }
  UiTreeAdapter adapter_;
};

TEST_F(UiTreeAdapterTest, ItemTextIsTheFirstColumn) {
  const int item = adapter_.insertItemText(QStringLiteral("混凝土结构"));
  EXPECT_GT(item, 0);
  EXPECT_EQ(adapter_.itemText(item, QStringLiteral("cate1")), QStringLiteral("混凝土结构"));
  EXPECT_EQ(adapter_.data(adapter_.indexOf(item)).toString(), QStringLiteral("混凝土结构"));
  EXPECT_TRUE(adapter_.setItemText(item, QStringLiteral("cateid"), QStringLiteral("7")));
  EXPECT_EQ(adapter_.itemText(item, QStringLiteral("cateid")), QStringLiteral("7"));
}

TEST_F(UiTreeAdapterTest, UnknownItemsAndColumnsGiveNothing) {
  const int item = adapter_.insertItemText(QStringLiteral("a"));
  EXPECT_FALSE(adapter_.setItemText(item, QStringLiteral("nosuch"), QStringLiteral("x")));
  EXPECT_FALSE(adapter_.setItemText(999, QStringLiteral("cateid"), QStringLiteral("x")));
  EXPECT_EQ(adapter_.itemText(999, QStringLiteral("cate1")), QString());
  EXPECT_EQ(adapter_.itemText(item, QStringLiteral("bookid")), QString());
  EXPECT_EQ(adapter_.insertItemText(QStringLiteral("orphan"), 999), UiTreeAdapter::kNoItem);
}

TEST_F(UiTreeAdapterTest, ChildrenKeepInsertionOrderAndLevels) {
  const int top = adapter_.insertItemText(QStringLiteral("top"));
  const int first = adapter_.insertItemText(QStringLiteral("first"), top);
  const int second = adapter_.insertItemText(QStringLiteral("second"), top);
  const int deep = adapter_.insertItemText(QStringLiteral("deep"), second);
  EXPECT_EQ(adapter_.firstChild(top), first);
  EXPECT_EQ(adapter_.firstChild(first), UiTreeAdapter::kNoItem);
  EXPECT_EQ(adapter_.childCount(top), 2);
  EXPECT_EQ(adapter_.index(1, 0, adapter_.indexOf(top)), adapter_.indexOf(second));
  EXPECT_EQ(adapter_.parent(adapter_.indexOf(deep)), adapter_.indexOf(second));
  EXPECT_EQ(adapter_.level(top), 1);
  EXPECT_EQ(adapter_.level(deep), 3);
  const int front = adapter_.insertItemText(QStringLiteral("front"), top, 0);
  EXPECT_EQ(adapter_.firstChild(top), front);
  EXPECT_EQ(adapter_.indexOf(second).row(), 2);
}

TEST_F(UiTreeAdapterTest, DeleteAllEmptiesTheTree) {
  adapter_.insertItemText(QStringLiteral("a"));
  adapter_.deleteAll();
  EXPECT_EQ(adapter_.rowCount(), 0);
  EXPECT_EQ(adapter_.firstChild(UiTreeAdapter::kRoot), UiTreeAdapter::kNoItem);
}

TEST_F(UiTreeAdapterTest, TreeEventsCarryItemIds) {
  QTreeView tree;
  tree.setModel(&adapter_);
  const int top = adapter_.insertItemText(QStringLiteral("top"));
  const int child = adapter_.insertItemText(QStringLiteral("child"), top);
  std::vector<int> selected, opened;
  ASSERT_TRUE(RegisterEvent(&tree, EventRole::ItemSelected, [&](const UiEvent& e) { selected.push_back(e.itemId); }));
  ASSERT_TRUE(RegisterEvent(&tree, EventRole::ItemExpanded, [&](const UiEvent& e) { opened.push_back(e.itemId); }));
  EXPECT_FALSE(RegisterEvent(&tree, EventRole::Click, [](const UiEvent&) {}));
  tree.expandAll();
  tree.resize(300, 200);
  tree.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&tree));
  const QRect rect = tree.visualRect(adapter_.indexOf(child));
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, rect.center());
  QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, rect.center());
  // Showing the view may make its first item current before the click.
  ASSERT_FALSE(selected.empty());
  EXPECT_EQ(selected.back(), child);
  EXPECT_EQ(opened, std::vector<int>{child});
}

}  // namespace
}  // namespace quillmoor
