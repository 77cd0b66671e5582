#pragma once
// The three collapsible panels of the main window: the catalogue (21), the
// outline (23) with the strip beside it (27), and the top banner (24). Each
// toggle lays the window out and redraws at once.

class QWidget;

namespace quillmoor {

struct MainWindowElements;

// The strip beside the outline panel: narrow while the panel is shown, wide
// enough to be found again while it is hidden.
inline constexpr int kOutlineStripWidthPanelShown = 10;
inline constexpr int kOutlineStripWidthPanelHidden = 30;

void TogglePanel21(QWidget* mainWindow, const MainWindowElements& elements);
void TogglePanel23(QWidget* mainWindow, const MainWindowElements& elements);
void TogglePanel24(QWidget* mainWindow, const MainWindowElements& elements);

}  // namespace quillmoor
