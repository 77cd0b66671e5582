#pragma once
// The main window's wiring: what its elements show at start and which
// handler each of their events reaches. Runs once, before the window is shown.

namespace quillmoor {

struct AppState;

// Main-window element identifiers the wiring knows.
namespace element {
inline constexpr int kCatalogueTree = 1;
inline constexpr int kPageBox = 2;
inline constexpr int kPageCountBox = 3;
inline constexpr int kPagePicture = 4;
inline constexpr int kSettingsButton = 5;
inline constexpr int kDate = 6;
inline constexpr int kPrintButton = 7;
inline constexpr int kExportButton = 8;
inline constexpr int kAboutButton = 10;
inline constexpr int kPrevPageButton = 11;
inline constexpr int kNextPageButton = 12;
inline constexpr int kStatusLine = 13;
inline constexpr int kEditionLabel = 17;
inline constexpr int kCataloguePanel = 21;
inline constexpr int kCatalogueToggle = 22;
inline constexpr int kOutlinePanel = 23;
inline constexpr int kBannerPanel = 24;
inline constexpr int kOutlineToggle = 25;
inline constexpr int kBannerToggle = 26;
inline constexpr int kOutlineStrip = 27;
inline constexpr int kOutlineTree = 28;
inline constexpr int kPathEditorButton = 29;
inline constexpr int kForumButton = 30;
inline constexpr int kChatButton = 31;
inline constexpr int kPinButton = 32;
inline constexpr int kGroupButton = 37;
}  // namespace element

void WireMainWindow(AppState& state);

}  // namespace quillmoor
