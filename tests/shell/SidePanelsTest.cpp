// The three panel toggles of the real main window: what they show and hide,
// the strip beside the outline, and that each click is laid out at once.

#include "app/MainWindowWiring.h"
#include "app/SidePanels.h"
#include "app/WindowLayout.h"
#include "tests/shell/ShellFixture.h"

#include <QAbstractButton>
#include <QPoint>

namespace quillmoor {
namespace {

struct PanelToggle {
  const char* name;
  int toggle;
  int panel;
  int neighbour;  // an element that moves when the panel's space changes hands
};

void PrintTo(const PanelToggle& t, std::ostream* out) { *out << t.name; }

const PanelToggle kToggles[] = {
    {"Catalogue", element::kCatalogueToggle, element::kCataloguePanel, element::kCatalogueToggle},
    {"Outline", element::kOutlineToggle, element::kOutlinePanel, element::kOutlineStrip},
    {"Banner", element::kBannerToggle, element::kBannerPanel, element::kPinButton},
};

class PanelToggles : public test::ShellWindowTest, public testing::WithParamInterface<PanelToggle> {
 protected:
  QPoint placeOf(int id) { return element(id)->mapTo(window(), QPoint(0, 0)); }
  // The click's signal alone, with no event processed after it: whatever is
  // placed afterwards was placed by the handler itself.
  void clickWithoutEvents(int id) { qobject_cast<QAbstractButton*>(element(id))->click(); }
};

TEST_P(PanelToggles, HideAndShowTheirPanelLaidOutAtOnce) {
  const PanelToggle& t = GetParam();
  QWidget* panel = element(t.panel);
  ASSERT_TRUE(panel->isVisible());
  const QPoint shownPlace = placeOf(t.neighbour);

  clickWithoutEvents(t.toggle);
  EXPECT_TRUE(panel->isHidden());
  EXPECT_NE(placeOf(t.neighbour), shownPlace);

  clickWithoutEvents(t.toggle);
  EXPECT_TRUE(panel->isVisible());
  EXPECT_EQ(placeOf(t.neighbour), shownPlace);
}

TEST_P(PanelToggles, FollowRealClicks) {
  const PanelToggle& t = GetParam();
  click(t.toggle);
  EXPECT_TRUE(element(t.panel)->isHidden());
  click(t.toggle);
  EXPECT_TRUE(element(t.panel)->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Panels, PanelToggles, testing::ValuesIn(kToggles),
                         [](const testing::TestParamInfo<PanelToggle>& info) { return info.param.name; });

class OutlineStrip : public test::ShellWindowTest {
 protected:
  QWidget* strip() { return element(element::kOutlineStrip); }
  QWidget* panel() { return element(element::kOutlinePanel); }
};

TEST_F(OutlineStrip, TwoClicksLeaveThePanelShownAndTheStripNarrowWhateverItsStartWidth) {
  for (int startWidth : {kOutlineStripWidthPanelShown, kOutlineStripWidthPanelHidden, 57, 3}) {
    SCOPED_TRACE(startWidth);
    strip()->setFixedWidth(startWidth);
    AdjustLayout(window());
    click(element::kOutlineToggle);
    click(element::kOutlineToggle);
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(strip()->width(), kOutlineStripWidthPanelShown);
    EXPECT_EQ(strip()->minimumWidth(), kOutlineStripWidthPanelShown);
    EXPECT_EQ(strip()->maximumWidth(), kOutlineStripWidthPanelShown);
  }
}

TEST_F(OutlineStrip, WidensInTheSamePassThatHidesThePanel) {
  qobject_cast<QAbstractButton*>(element(element::kOutlineToggle))->click();
  ASSERT_TRUE(panel()->isHidden());
  EXPECT_EQ(strip()->width(), kOutlineStripWidthPanelHidden);
  // Placed, not only resized: the strip already stands where the panel was,
  // at the right edge.
  EXPECT_EQ(strip()->geometry().right(), strip()->parentWidget()->width() - 1);
}

}  // namespace
}  // namespace quillmoor
