#include "app/MainWindowWiring.h"

#include "app/AboutWindow.h"
#include "app/AppState.h"
#include "app/SettingsWindow.h"
#include "app/SidePanels.h"
#include "app/StatusLine.h"
#include "app/SupportLinks.h"
#include "app/WindowPin.h"
#include "catalogue/AtlasSelection.h"
#include "catalogue/AtlasTemplateChoice.h"
#include "catalogue/CatalogueSources.h"
#include "catalogue/PathEditor.h"
#include "catalogue/TreeEnterKey.h"
#include "platform/UiElements.h"
#include "platform/UiItemDelegate.h"
#include "platform/UiPictureShape.h"
#include "platform/UiEvents.h"
#include "util/DateTimeText.h"
#include "viewer/DocumentSession.h"
#include "viewer/OutlinePanel.h"
#include "viewer/PageExport.h"
#include "viewer/PageKeyFilter.h"
#include "viewer/PageView.h"
#include "viewer/Printing.h"

#include "BuildConfig.h"

#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

#include <functional>
#include <memory>
#include <string>

namespace quillmoor {
namespace {

// The date of the day the program started; it is not updated later.
void ShowStartDate(QWidget* window) {
  if (auto* date = FindElementAs<QLabel>(window, element::kDate))
    date->setText(QString::fromStdString(FormatDateTimeText(std::nullopt, 0, DateOnly)));
}

void KeepHandles(AppState& state) {
  QWidget* window = state.mainWindow.get();
  MainWindowElements& e = state.elements;
  e.cataloguePanel = FindElement(window, element::kCataloguePanel);
  e.catalogueToggle = FindElement(window, element::kCatalogueToggle);
  e.outlinePanel = FindElement(window, element::kOutlinePanel);
  e.bannerPanel = FindElement(window, element::kBannerPanel);
  e.outlineStrip = FindElement(window, element::kOutlineStrip);
  e.pagePicture = FindElementAs<UiPictureShape>(window, element::kPagePicture);
  e.pageBox = FindElementAs<QLineEdit>(window, element::kPageBox);
  e.pageCountBox = FindElementAs<QLineEdit>(window, element::kPageCountBox);
}

void FillPageBoxes(const MainWindowElements& e, int currentPage, int pageCount) {
  for (auto [box, number] : {std::pair{e.pageBox, currentPage}, std::pair{e.pageCountBox, pageCount}}) {
    if (!box) continue;
    box->setText(QString::number(number));
    box->setAlignment(Qt::AlignCenter);
  }
}

void WirePrintAndExport(AppState& state) {
  const DocumentSession* session = state.session.get();
  const PageView* view = state.pageView.get();
  RegisterEvent(FindElement(state.mainWindow.get(), element::kPrintButton), EventRole::Click,
                [session, view](const UiEvent&) { printCurrentPage(*session, *view); });
  RegisterEvent(FindElement(state.mainWindow.get(), element::kExportButton), EventRole::Click,
                [session](const UiEvent&) { exportPage(*session); });
}

// The frame's buttons: settings, about, the panel toggles, the pin and the
// support links.
void WireFrameButtons(AppState& state) {
  QWidget* window = state.mainWindow.get();
  const MainWindowElements e = state.elements;
  const std::pair<int, std::function<void()>> handlers[] = {
      {element::kSettingsButton, [&state] { ShowSettingsWindow(state); }},
      {element::kAboutButton, [&state] { ShowAboutWindow(state); }},
      {element::kCatalogueToggle, [window, e] { TogglePanel21(window, e); }},
      {element::kPinButton, [window] { TogglePinOnTop(window); }},
      {element::kChatButton, [] { OpenWithShell(link::Chat()); }},
      {element::kForumButton, [] { OpenWithShell(link::ForumHome()); }},
      {element::kGroupButton, [] { OpenWithShell(link::Group()); }},
      {element::kOutlineToggle, [window, e] { TogglePanel23(window, e); }},
      {element::kBannerToggle, [window, e] { TogglePanel24(window, e); }},
  };
  for (const auto& [id, handler] : handlers)
    RegisterEvent(FindElement(window, id), EventRole::Click, [handler](const UiEvent&) { handler(); });
}

void WirePageButtons(AppState& state) {
  PageView* view = state.pageView.get();
  RegisterEvent(FindElement(state.mainWindow.get(), element::kPrevPageButton), EventRole::Click,
                [view](const UiEvent&) { view->previousPage(); });
  RegisterEvent(FindElement(state.mainWindow.get(), element::kNextPageButton), EventRole::Click,
                [view](const UiEvent&) { view->nextPage(); });
}

// Selection hints, opening on double-click or Enter, and the atlas items' own
// templates.
void WireCatalogue(AppState& state) {
  if (!state.catalogueAdapter) return;
  QWidget* window = state.mainWindow.get();
  const AtlasViewer viewer{state.session.get(), state.pageView.get(), state.elements.pageBox,
                           state.elements.pageCountBox, state.outlineAdapter};
  auto selection = std::make_shared<AtlasSelection>(
      *state.catalogueAdapter, viewer, [window](const std::string& text) { SetStatusText(window, text); });
  RegisterEvent(state.catalogueTree, EventRole::ItemSelected,
                [selection](const UiEvent& event) { selection->onItemSelected(event.itemId); });
  RegisterEvent(state.catalogueTree, EventRole::ItemExpanded,
                [selection](const UiEvent& event) { selection->onItemOpened(event.itemId); });
  OpenOnEnterKey(state.catalogueTree, [selection](int item) { selection->onItemOpened(item); });
  UiItemDelegate::of(state.catalogueTree)
      ->setChooser(AtlasTemplateChooser(*state.catalogueAdapter, state.atlasTemplate,
                                        state.atlasWithoutFileTemplate));
}

void WireOutline(AppState& state) {
  if (!state.outlineAdapter) return;
  RegisterEvent(state.outlineTree, EventRole::ItemExpanded, [&state](const UiEvent& event) {
    showOutlineEntry(*state.outlineAdapter, event.itemId, *state.session, *state.pageView,
                     state.elements.pageBox);
  });
}

// The atlas path editor opens from button 29 and from the atlas context menu
// of the catalogue tree, whose choice reaches the main window.
void WirePathEditor(AppState& state) {
  if (!state.catalogueAdapter || !state.catalogue) return;
  QWidget* window = state.mainWindow.get();
  QTreeView* tree = state.catalogueTree;
  auto editor = std::make_shared<PathEditor>(*state.loader, state.catalogue->Database(),
                                             *state.catalogueAdapter, window);
  const auto open = [editor](const UiEvent&) { editor->openPathEditor(); };
  RegisterEvent(FindElement(window, element::kPathEditorButton), EventRole::Click, open);
  RegisterEvent(tree, EventRole::RightButtonUp,
                [editor, tree](const UiEvent& event) { editor->onTreeRightButtonUp(tree, event.point); });
  RegisterEvent(window, EventRole::MenuChoice, open);
}

void ShowEditionAndVersion(AppState& state) {
  state.versionText = build::kVersionText;
  if (auto* label = FindElementAs<QLabel>(state.mainWindow.get(), element::kEditionLabel))
    label->setText(QString::fromStdString(state.editionLabel + " " + state.versionText));
}

}  // namespace

void WireMainWindow(AppState& state) {
  ShowStartDate(state.mainWindow.get());
  WirePrintAndExport(state);
  KeepHandles(state);
  WireFrameButtons(state);
  WirePageButtons(state);
  FillPageBoxes(state.elements, 1, state.session->pageCount());
  PageView* view = state.pageView.get();
  installKeyHook(state.mainWindow.get(), [view](int keyCode, KeyState keyState) { view->onPageKey(keyCode, keyState); });
  WireCatalogue(state);
  WireOutline(state);
  WirePathEditor(state);
  ShowEditionAndVersion(state);
}

}  // namespace quillmoor
