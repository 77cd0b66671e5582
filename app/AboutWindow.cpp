#include "app/AboutWindow.h"

#include "app/AppState.h"
#include "app/SupportLinks.h"
#include "app/WindowLayout.h"
#include "platform/UiDialogs.h"
#include "platform/UiElements.h"
#include "platform/UiEvents.h"

#include <QLabel>

namespace quillmoor {

void ShowAboutWindow(const AppState& state) {
  const QString version = QString::fromStdString(state.versionText);
  QWidget* parent = state.mainWindow.get();
  QWidget* window = state.loader ? state.loader->loadLayout(QString::fromLatin1(kAboutLayoutName), parent) : nullptr;
  if (!window) return;
  if (auto* label = FindElementAs<QLabel>(window, about_element::kVersionText)) label->setText(version);
  RegisterEvent(FindElement(window, about_element::kForumSectionButton), EventRole::Click,
                [](const UiEvent&) { OpenWithShell(link::ForumSection()); });
  RegisterEvent(FindElement(window, about_element::kForumHomeButton), EventRole::Click,
                [](const UiEvent&) { OpenWithShell(link::ForumHome()); });
  AdjustLayout(window);
  RunModal(window, parent);
}

}  // namespace quillmoor
