#pragma once
// Modal windows and message boxes.

#include <QString>

class QWidget;

namespace quillmoor {

// A message box with an OK button, modal for the whole application; returns
// when it is closed.
void ShowMessage(const QString& text, const QString& title);

// Runs a loaded window modally with `parent` as its parent window; returns
// when the user closes it. The window is deleted afterwards.
void RunModal(QWidget* window, QWidget* parent);

}  // namespace quillmoor
