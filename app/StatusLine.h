#pragma once
// The status line of the main window (element 13): one-line hints.

#include <string>

class QWidget;

namespace quillmoor {

inline constexpr int kStatusLineId = 13;

void SetStatusText(QWidget* mainWindow, const std::string& text);
std::string StatusText(QWidget* mainWindow);

}  // namespace quillmoor
