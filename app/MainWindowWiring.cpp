#include "app/MainWindowWiring.h"

#include "app/AppState.h"
#include "platform/UiElements.h"
#include "platform/UiPictureShape.h"
#include "util/DateTimeText.h"

#include "BuildConfig.h"

#include <QLabel>
#include <QLineEdit>

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

void ShowEditionAndVersion(AppState& state) {
  state.versionText = build::kVersionText;
  if (auto* label = FindElementAs<QLabel>(state.mainWindow.get(), element::kEditionLabel))
    label->setText(QString::fromStdString(state.editionLabel + " " + state.versionText));
}

}  // namespace

void WireMainWindow(AppState& state) {
  ShowStartDate(state.mainWindow.get());
  KeepHandles(state);
  FillPageBoxes(state.elements, 1, 0);
  ShowEditionAndVersion(state);
}

}  // namespace quillmoor
