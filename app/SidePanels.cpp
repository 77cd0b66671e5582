#include "app/SidePanels.h"

#include "app/AppState.h"
#include "app/WindowLayout.h"

#include <QWidget>

namespace quillmoor {
namespace {

// Flips a panel; false when the window has no such panel.
bool FlipVisibility(QWidget* panel) {
  if (!panel) return false;
  panel->setVisible(panel->isHidden());
  return true;
}

void LayOutAndRedraw(QWidget* mainWindow, QWidget* element) {
  AdjustLayout(mainWindow);
  if (element) element->repaint();
  if (mainWindow) mainWindow->repaint();
}

}  // namespace

void TogglePanel21(QWidget* mainWindow, const MainWindowElements& elements) {
  if (!FlipVisibility(elements.cataloguePanel)) return;
  LayOutAndRedraw(mainWindow, elements.catalogueToggle);
}

void TogglePanel23(QWidget* mainWindow, const MainWindowElements& elements) {
  QWidget* panel = elements.outlinePanel;
  if (!FlipVisibility(panel)) return;
  // The strip's width is set before the pass, so strip and panel are placed together.
  if (elements.outlineStrip)
    elements.outlineStrip->setFixedWidth(panel->isHidden() ? kOutlineStripWidthPanelHidden
                                                           : kOutlineStripWidthPanelShown);
  LayOutAndRedraw(mainWindow, panel);
}

void TogglePanel24(QWidget* mainWindow, const MainWindowElements& elements) {
  if (!FlipVisibility(elements.bannerPanel)) return;
  LayOutAndRedraw(mainWindow, elements.bannerPanel);
}

}  // namespace quillmoor
