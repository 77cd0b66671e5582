#pragma once
// Where the main window's elements lie once the window is placed at
// kWindowSize (ui/main.xml: the catalogue tree on the left, the page in the
// centre, the page bar below it with previous / page box / count / next, the
// outline on the right). Points are in window coordinates.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace quillmoor::e2e::spot {

inline constexpr QSize kWindowSize(1440, 900);

// The catalogue, the page and the outline, without the page bar below them.
inline constexpr QRect kBody(0, 90, 1440, 740);
inline constexpr QRect kPagePicture(440, 95, 680, 730);
inline constexpr QRect kCatalogue(0, 120, 400, 720);
inline constexpr QPoint kPreviousButton(656, 853);
inline constexpr QPoint kPageBox(739, 853);
inline constexpr QPoint kNextButton(900, 853);

// The catalogue's rows, the first category's at row 0; unfolded, its
// descendants follow in the order `quillmoor-tool tree` prints them.
inline constexpr int kFirstRowY = 134;
inline constexpr int kRowHeight = 24;
inline constexpr QPoint CatalogueRow(int row) { return {120, kFirstRowY + row * kRowHeight}; }
// The first atlas of the sample catalogue's unfolded first category.
inline constexpr int kFirstAtlasRow = 4;

}  // namespace quillmoor::e2e::spot
