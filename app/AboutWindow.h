#pragma once
// The about window: the version and two links into the support forum.

namespace quillmoor {

struct AppState;

inline constexpr char kAboutLayoutName[] = "about.xml";

namespace about_element {
inline constexpr int kVersionText = 14;
inline constexpr int kForumSectionButton = 15;
inline constexpr int kForumHomeButton = 20;
}  // namespace about_element

// Loads the window anew over the main window and runs it modally until the
// user closes it; a link button opens its page and leaves the window open.
// Without the layout nothing happens.
void ShowAboutWindow(const AppState& state);

}  // namespace quillmoor
