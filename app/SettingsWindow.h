#pragma once
// The settings window: the program keeps no settings, so it tells, read-only,
// what the program reads and from where.

class QWidget;

namespace quillmoor {

struct AppState;
struct SettingsFacts;

inline constexpr char kSettingsLayoutName[] = "config.xml";

namespace settings_element {
inline constexpr int kDataDir = 41;
inline constexpr int kEdition = 42;
inline constexpr int kCatalogueDatabase = 43;
inline constexpr int kPathSheet = 44;
inline constexpr int kAtlases = 45;
inline constexpr int kDefaultAtlas = 46;
}  // namespace settings_element

// Fills a loaded settings window with the facts.
void FillSettingsWindow(QWidget* window, const SettingsFacts& facts);

// Loads the window anew over the main window, fills it and runs it modally
// until the user closes it. Without the layout nothing happens.
void ShowSettingsWindow(AppState& state);

}  // namespace quillmoor
