#include "app/StatusLine.h"

#include "platform/UiElements.h"

#include <QLabel>

namespace quillmoor {

void SetStatusText(QWidget* mainWindow, const std::string& text) {
  if (auto* line = FindElementAs<QLabel>(mainWindow, kStatusLineId)) {
    line->setText(QString::fromStdString(text));
    line->update();
  }
}

std::string StatusText(QWidget* mainWindow) {
  const auto* line = FindElementAs<QLabel>(mainWindow, kStatusLineId);
  return line ? line->text().toStdString() : std::string();
}

}  // namespace quillmoor
