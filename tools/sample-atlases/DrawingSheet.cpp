#include "tools/sample-atlases/DrawingSheet.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace quillmoor::samples {
namespace {

// Everything below is in millimetres on the sheet, origin top left.
constexpr char kFont[] = "Noto Sans CJK SC";
constexpr double kThin = 0.18;
constexpr double kMedium = 0.35;
constexpr double kThick = 0.7;
constexpr double kFrameLeft = 25, kFrameTop = 10, kFrameRight = 410, kFrameBottom = 287;
constexpr double kPlanScale = 1.0 / 200;    // grid plan 1:200
constexpr double kSectionScale = 1.0 / 5;   // sections 1:5
constexpr double kSpans[] = {6000, 7200, 6600, 8100};
constexpr double kSectionSizes[] = {500, 600, 700};

enum class Align { Left, Centre, Right };

void Line(cairo_t* cr, double x1, double y1, double x2, double y2, double width) {
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void Rectangle(cairo_t* cr, double x, double y, double w, double h, double width) {
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void Text(cairo_t* cr, const std::string& text, double x, double baseline, double size, Align align = Align::Left,
          bool bold = false) {
  cairo_select_font_face(cr, kFont, CAIRO_FONT_SLANT_NORMAL, bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  if (align == Align::Centre) x -= extents.x_advance / 2;
  if (align == Align::Right) x -= extents.x_advance;
  cairo_move_to(cr, x, baseline);
  cairo_show_text(cr, text.c_str());
}

// Centred in a box of `width`, shrunk until it fits.
void FittedText(cairo_t* cr, const std::string& text, double centreX, double baseline, double size, double width,
                bool bold) {
  cairo_select_font_face(cr, kFont, CAIRO_FONT_SLANT_NORMAL, bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  if (extents.x_advance > width) size *= width / extents.x_advance;
  Text(cr, text, centreX, baseline, size, Align::Centre, bold);
}

std::string Number(double value) { return std::to_string(static_cast<long>(std::lround(value))); }

// Architectural ticks: short strokes at 45 degrees where a dimension ends.
void Tick(cairo_t* cr, double x, double y) { Line(cr, x - 1.2, y + 1.2, x + 1.2, y - 1.2, kMedium); }

// A horizontal dimension from x1 to x2 on the line at `y`, with extension
// lines from the measured object at `fromY`.
void HorizontalDimension(cairo_t* cr, double x1, double x2, double y, double fromY, const std::string& value) {
  const double direction = y < fromY ? -1 : 1;
  for (double x : {x1, x2}) Line(cr, x, fromY + direction * 1.5, x, y + direction * 2, kThin);
  Line(cr, x1 - 2, y, x2 + 2, y, kThin);
  Tick(cr, x1, y);
  Tick(cr, x2, y);
  Text(cr, value, (x1 + x2) / 2, y - 1, 2.5, Align::Centre);
}

void VerticalDimension(cairo_t* cr, double y1, double y2, double x, double fromX, const std::string& value) {
  const double direction = x < fromX ? -1 : 1;
  for (double y : {y1, y2}) Line(cr, fromX + direction * 1.5, y, x + direction * 2, y, kThin);
  Line(cr, x, y1 - 2, x, y2 + 2, kThin);
  Tick(cr, x, y1);
  Tick(cr, x, y2);
  cairo_save(cr);
  cairo_translate(cr, x - 1, (y1 + y2) / 2);
  cairo_rotate(cr, -M_PI / 2);
  Text(cr, value, 0, 0, 2.5, Align::Centre);
  cairo_restore(cr);
}

void AxisBubble(cairo_t* cr, double x, double y, const std::string& label) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, 4, 0, 2 * M_PI);
  cairo_set_line_width(cr, kThin);
  cairo_stroke(cr);
  Text(cr, label, x, y + 1.4, 4, Align::Centre);
}

// Concrete hatching (45-degree lines) inside the current path, which it consumes.
void HatchCurrentPath(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  cairo_clip(cr);
  const double step = 2.5;
  for (double d = -h; d < w; d += step) Line(cr, x + d, y + h, x + d + h, y, kThin);
  cairo_restore(cr);
}

void DashDotLine(cairo_t* cr, double x1, double y1, double x2, double y2) {
  const double pattern[] = {8, 1.5, 1, 1.5};
  cairo_save(cr);
  cairo_set_dash(cr, pattern, 4, 0);
  Line(cr, x1, y1, x2, y2, kThin);
  cairo_restore(cr);
}

void Bar(cairo_t* cr, double x, double y, double diameter) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, diameter / 2, 0, 2 * M_PI);
  cairo_fill(cr);
}

enum class TextSide { Left, Right };

// A leader from the pointed-at object (x, y) to (toX, toY), where the label
// stands on the given side.
void Leader(cairo_t* cr, double x, double y, double toX, double toY, const std::string& label, TextSide side) {
  Line(cr, x, y, toX, toY, kThin);
  const bool left = side == TextSide::Left;
  Text(cr, label, left ? toX - 2 : toX + 2, toY + 1, 3, left ? Align::Right : Align::Left);
}

void DrawingTitle(cairo_t* cr, double centreX, double y, const std::string& title, const std::string& scale) {
  Text(cr, title, centreX, y, 4.5, Align::Centre, true);
  Line(cr, centreX - 30, y + 1.5, centreX + 30, y + 1.5, kThick);
  Line(cr, centreX - 30, y + 2.7, centreX + 30, y + 2.7, kThin);
  Text(cr, scale, centreX + 32, y, 3);
}

void DrawFrame(cairo_t* cr, const SheetText& text) {
  Rectangle(cr, 5, 5, kSheetWidthMm - 10, kSheetHeightMm - 10, kThin);
  Rectangle(cr, kFrameLeft, kFrameTop, kFrameRight - kFrameLeft, kFrameBottom - kFrameTop, kThick);
  FittedText(cr, text.atlasCode + "  " + text.atlasTitle, (kFrameLeft + kFrameRight) / 2, 20, 4.5, 360, false);
}

void DrawTitleBlock(cairo_t* cr, const SheetText& text) {
  const double left = 230, titleRight = 330, labelRight = 345, top = 259, row = (kFrameBottom - top) / 3;
  Rectangle(cr, left, top, kFrameRight - left, kFrameBottom - top, kThick);
  Line(cr, titleRight, top, titleRight, kFrameBottom, kMedium);
  Line(cr, labelRight, top, labelRight, kFrameBottom, kThin);
  Line(cr, left, top + 2 * row, titleRight, top + 2 * row, kThin);
  Line(cr, titleRight, top + row, kFrameRight, top + row, kThin);
  Line(cr, titleRight, top + 2 * row, kFrameRight, top + 2 * row, kThin);
  FittedText(cr, text.sheetTitle, (left + titleRight) / 2, top + row + 1.6, 4.5, 94, true);
  Text(cr, "审核  周明远    校对  陈立    设计  王建华", left + 4, kFrameBottom - row / 2 + 0.9, 2.5);
  const std::string labels[] = {"图集号", "页", "图号"};
  const std::string values[] = {text.atlasCode, "第 " + std::to_string(text.pageNumber) + " 页", text.sheetCode};
  for (int i = 0; i < 3; ++i) {
    const double baseline = top + row * i + row / 2 + 1.1;
    Text(cr, labels[i], (titleRight + labelRight) / 2, baseline, 2.8, Align::Centre);
    Text(cr, values[i], (labelRight + kFrameRight) / 2, baseline + 0.3, 3.6, Align::Centre, i == 0);
  }
}

std::vector<double> AxisPositions(double origin, const std::vector<double>& spans) {
  std::vector<double> positions{origin};
  for (double span : spans) positions.push_back(positions.back() + span * kPlanScale);
  return positions;
}

void DrawGridAxes(cairo_t* cr, const std::vector<double>& xs, const std::vector<double>& ys) {
  const char* rowNames[] = {"A", "B", "C", "D"};
  for (size_t i = 0; i < xs.size(); ++i) {
    DashDotLine(cr, xs[i], ys.front() - 12, xs[i], ys.back() + 6);
    AxisBubble(cr, xs[i], ys.front() - 16, std::to_string(i + 1));
  }
  for (size_t j = 0; j < ys.size(); ++j) {
    DashDotLine(cr, xs.front() - 12, ys[j], xs.back() + 6, ys[j]);
    AxisBubble(cr, xs.front() - 16, ys[j], rowNames[j]);
  }
}

void DrawBeamsAndColumns(cairo_t* cr, const std::vector<double>& xs, const std::vector<double>& ys) {
  const double half = 0.75;  // a 300 mm beam at 1:200
  for (double y : ys) {
    Line(cr, xs.front(), y - half, xs.back(), y - half, kMedium);
    Line(cr, xs.front(), y + half, xs.back(), y + half, kMedium);
  }
  for (double x : xs) {
    Line(cr, x - half, ys.front(), x - half, ys.back(), kMedium);
    Line(cr, x + half, ys.front(), x + half, ys.back(), kMedium);
  }
  cairo_set_source_rgb(cr, 0.25, 0.25, 0.25);
  for (double x : xs)
    for (double y : ys) cairo_rectangle(cr, x - 1.5, y - 1.5, 3, 3);
  cairo_fill(cr);
  cairo_set_source_rgb(cr, 0, 0, 0);
}

void DrawGridPlan(cairo_t* cr, int page) {
  const std::vector<double> spansX = {kSpans[page % 4], kSpans[(page + 1) % 4], kSpans[(page + 2) % 4]};
  const std::vector<double> spansY = {kSpans[(page + 3) % 4], kSpans[page % 4]};
  const std::vector<double> xs = AxisPositions(62, spansX);
  const std::vector<double> ys = AxisPositions(62, spansY);
  DrawGridAxes(cr, xs, ys);
  DrawBeamsAndColumns(cr, xs, ys);
  for (size_t i = 0; i + 1 < xs.size(); ++i) HorizontalDimension(cr, xs[i], xs[i + 1], ys.front() - 7, ys.front(), Number(spansX[i]));
  HorizontalDimension(cr, xs.front(), xs.back(), ys.back() + 12, ys.back(), Number(spansX[0] + spansX[1] + spansX[2]));
  for (size_t j = 0; j + 1 < ys.size(); ++j) VerticalDimension(cr, ys[j], ys[j + 1], xs.back() + 12, xs.back(), Number(spansY[j]));
  Text(cr, "KL" + std::to_string(page % 9 + 1) + "(3) 300×600", xs[0] + 3, ys[0] - 1.5, 2.5);
  Text(cr, "KZ1", xs[1] + 2.5, ys[1] + 4.5, 2.5);
  DrawingTitle(cr, (xs.front() + xs.back()) / 2, ys.back() + 26, "结构平面布置图", "1:200");
}

// A top bar bending down into a column: the usual anchorage detail.
void DrawAnchorageDetail(cairo_t* cr, int page) {
  const double columnLeft = 150, columnRight = 168, top = 196, bottom = 244;
  cairo_rectangle(cr, columnLeft, top, columnRight - columnLeft, bottom - top);
  HatchCurrentPath(cr, columnLeft, top, columnRight - columnLeft, bottom - top);
  Rectangle(cr, columnLeft, top, columnRight - columnLeft, bottom - top, kMedium);
  Line(cr, 60, top + 4, columnLeft, top + 4, kMedium);
  Line(cr, 60, top + 16, columnLeft, top + 16, kMedium);
  const double bend = columnRight - 3;
  Line(cr, 60, top + 7, bend, top + 7, 1.0);
  Line(cr, bend, top + 7, bend, top + 7 + 15 + page % 4, 1.0);
  Line(cr, 60, top + 13, bend - 2, top + 13, 1.0);
  Line(cr, bend - 2, top + 13, bend - 2, top + 13 - 6, 1.0);
  HorizontalDimension(cr, columnLeft, bend, top - 4, top + 4, "≥0.4labE");
  VerticalDimension(cr, top + 7, top + 22 + page % 4, columnRight + 8, bend, "15d");
  Leader(cr, 100, top + 7, 92, top - 6, "梁上部纵筋", TextSide::Left);
  Leader(cr, 110, top + 13, 100, top + 28, "梁下部纵筋 伸至柱外侧纵筋内侧", TextSide::Left);
  DrawingTitle(cr, 110, bottom + 10, "端支座钢筋锚固构造", "1:25");
}

struct Section {
  double left, top, width, height;  // millimetres on the sheet
  double cover;                     // to the stirrup's centre line
};

void DrawStirrup(cairo_t* cr, const Section& s, double lineWidth) {
  const double x = s.left + s.cover, y = s.top + s.cover, w = s.width - 2 * s.cover, h = s.height - 2 * s.cover;
  const double r = 2;
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
  cairo_set_line_width(cr, lineWidth);
  cairo_stroke(cr);
  // 135-degree hooks into the core.
  Line(cr, x + r, y, x + r + 9, y + 9, lineWidth);
  Line(cr, x, y + r, x + 9, y + r + 9, lineWidth);
}

// Where bar i of `count` evenly spaced bars lies along a side of length
// `extent`, measured from the section's edge.
double BarOffset(const Section& s, double extent, int i, int count, double diameter) {
  const double first = s.cover + diameter / 2 + 1, last = extent - s.cover - diameter / 2 - 1;
  return first + (last - first) * i / (count - 1);
}

void BarRow(cairo_t* cr, const Section& s, double y, int count, double diameter) {
  for (int i = 0; i < count; ++i) Bar(cr, s.left + BarOffset(s, s.width, i, count, diameter), y, diameter);
}

// The bars between the corners of a vertical side.
void BarColumn(cairo_t* cr, const Section& s, double x, int count, double diameter) {
  for (int i = 1; i + 1 < count; ++i) Bar(cr, x, s.top + BarOffset(s, s.height, i, count, diameter), diameter);
}

void HatchedOutline(cairo_t* cr, const Section& s) {
  cairo_rectangle(cr, s.left, s.top, s.width, s.height);
  HatchCurrentPath(cr, s.left, s.top, s.width, s.height);
  Rectangle(cr, s.left, s.top, s.width, s.height, kThick);
}

void SectionDimensions(cairo_t* cr, const Section& s, double realWidth, double realHeight) {
  HorizontalDimension(cr, s.left, s.left + s.width, s.top + s.height + 10, s.top + s.height, Number(realWidth));
  VerticalDimension(cr, s.top, s.top + s.height, s.left + s.width + 12, s.left + s.width, Number(realHeight));
}

void DrawBeamSection(cairo_t* cr, int page) {
  const double realWidth = 250 + 50 * (page % 3), realHeight = kSectionSizes[(page + 1) % 3];
  const Section s{320 - realWidth * kSectionScale / 2, 48, realWidth * kSectionScale, realHeight * kSectionScale, 6};
  const double slab = 120 * kSectionScale;
  cairo_rectangle(cr, s.left - 30, s.top, s.width + 60, slab);
  HatchCurrentPath(cr, s.left - 30, s.top, s.width + 60, slab);
  Rectangle(cr, s.left - 30, s.top, s.width + 60, slab, kMedium);
  HatchedOutline(cr, s);
  DrawStirrup(cr, s, 1.6);
  const int topBars = 2 + page % 3, bottomBars = 3 + page % 2;
  BarRow(cr, s, s.top + s.cover + 3.5, topBars, 5);
  BarRow(cr, s, s.top + s.height - s.cover - 3.5, bottomBars, 4.4);
  SectionDimensions(cr, s, realWidth, realHeight);
  VerticalDimension(cr, s.top, s.top + slab, s.left - 38, s.left - 30, "120");
  Leader(cr, s.left + s.cover + 3.5, s.top + s.cover + 3.5, s.left - 20, s.top + 40,
         std::to_string(topBars) + "Φ25 上部通长筋", TextSide::Left);
  Leader(cr, s.left + s.width - s.cover - 3.5, s.top + s.height - s.cover - 3.5, s.left + s.width + 4,
         s.top + s.height + 22, std::to_string(bottomBars) + "Φ22 下部纵筋", TextSide::Left);
  Leader(cr, s.left + s.cover, s.top + s.height * 0.6, s.left - 20, s.top + s.height * 0.6 + 15, "Φ8@100/200(2) 箍筋",
         TextSide::Left);
  DrawingTitle(cr, 320, s.top + s.height + 32, "1-1 梁截面", "1:5");
}

void DrawColumnSection(cairo_t* cr, int page) {
  const double side = kSectionSizes[page % 3];
  const Section s{320 - side * kSectionScale / 2, 48, side * kSectionScale, side * kSectionScale, 6};
  HatchedOutline(cr, s);
  DrawStirrup(cr, s, 2.0);
  const int perSide = 3 + page % 3;
  const double inset = s.cover + 3.5;
  BarRow(cr, s, s.top + inset, perSide, 5);
  BarRow(cr, s, s.top + s.height - inset, perSide, 5);
  BarColumn(cr, s, s.left + inset, perSide, 5);
  BarColumn(cr, s, s.left + s.width - inset, perSide, 5);
  // Cross-ties through the middle bars.
  Line(cr, s.left + s.width / 2, s.top + s.cover, s.left + s.width / 2, s.top + s.height - s.cover, 1.2);
  Line(cr, s.left + s.cover, s.top + s.height / 2, s.left + s.width - s.cover, s.top + s.height / 2, 1.2);
  SectionDimensions(cr, s, side, side);
  Leader(cr, s.left + inset, s.top + inset, s.left - 14, s.top - 6, "4Φ25 角筋", TextSide::Left);
  Leader(cr, s.left + BarOffset(s, s.width, perSide - 2, perSide, 5), s.top + s.height - inset, s.left + s.width + 4,
         s.top + s.height + 22,
         std::to_string(perSide - 2) + "Φ22 b边一侧中部筋", TextSide::Left);
  Leader(cr, s.left + s.cover, s.top + s.height * 0.6, s.left - 16, s.top + s.height * 0.6 + 22, "Φ10@100/200 复合箍",
         TextSide::Left);
  DrawingTitle(cr, 320, s.top + s.height + 32, "2-2 柱截面", "1:5");
}

void DrawNotes(cairo_t* cr, const SheetText& text) {
  Text(cr, "说明：", 35, 263, 3.5, Align::Left, true);
  Text(cr, "1. 图中尺寸以毫米为单位，标高以米为单位。混凝土强度等级C30，钢筋HRB400。", 40, 270, 3);
  Text(cr, "2. 本页为" + text.atlasCode + "示例图，图号" + text.sheetCode + "，仅用于演示页面显示与打印。", 40, 276, 3);
  Text(cr, "3. 纵向钢筋的锚固与搭接长度见本图集相关页。", 40, 282, 3);
}

}  // namespace

void DrawSheet(cairo_t* cr, const SheetText& text) {
  cairo_save(cr);
  cairo_scale(cr, kPointsPerMm, kPointsPerMm);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  DrawFrame(cr, text);
  DrawGridPlan(cr, text.pageNumber);
  DrawAnchorageDetail(cr, text.pageNumber);
  if (text.pageNumber % 2 == 0)
    DrawBeamSection(cr, text.pageNumber);
  else
    DrawColumnSection(cr, text.pageNumber);
  DrawNotes(cr, text);
  DrawTitleBlock(cr, text);
  cairo_restore(cr);
}

}  // namespace quillmoor::samples
