#pragma once
// One A3-landscape sheet of a sample atlas, drawn like a structural detail
// drawing: frame, title block, a grid plan with axis bubbles and dimension
// chains, a hatched beam or column section with its bars and stirrup, notes.

#include <cairo.h>

#include <string>

namespace quillmoor::samples {

inline constexpr double kSheetWidthMm = 420.0;
inline constexpr double kSheetHeightMm = 297.0;
inline constexpr double kPointsPerMm = 72.0 / 25.4;

struct SheetText {
  std::string atlasCode;
  std::string atlasTitle;
  std::string sheetTitle;  // distinct on every page: it holds "第N页"
  std::string sheetCode;   // e.g. "2-5": chapter and sheet within it
  int pageNumber = 1;
};

// Draws the sheet on `cr`, whose user space is in points with the origin at
// the top left of the page.
void DrawSheet(cairo_t* cr, const SheetText& text);

}  // namespace quillmoor::samples
