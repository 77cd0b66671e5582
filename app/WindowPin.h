#pragma once
// The pin button (32) keeps the main window above other windows.

class QWidget;

namespace quillmoor {

// Puts the main window into the stay-on-top band while the pin button is
// checked and takes it out while it is not. The native window is kept, so the
// window neither moves, resizes nor flickers.
void TogglePinOnTop(QWidget* mainWindow);

}  // namespace quillmoor
