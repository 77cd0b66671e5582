#include "tools/sample-atlases/PdfFixtures.h"

#include "tools/sample-atlases/CairoPdf.h"
#include "tools/sample-atlases/DrawingSheet.h"
#include "tools/sample-atlases/HandWrittenPdf.h"

#include <utility>
#include <vector>

namespace quillmoor::samples {
namespace {

constexpr double kA4Width = 595.28, kA4Height = 841.89;
constexpr double kHugeSideMm = 5000;
constexpr double kTinySide = 72;

void Label(cairo_t* cr, const std::string& text, double x, double y, double size) {
  cairo_select_font_face(cr, "Noto Sans CJK SC", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
}

// Pages that show `caption` and "第N页", framed.
bool WriteLabelledPages(const std::string& path, double width, double height, int pages, const std::string& caption,
                        double textSize) {
  cairo_surface_t* surface = NewPdfSurface(path, width, height, caption);
  cairo_t* cr = cairo_create(surface);
  for (int page = 1; page <= pages; ++page) {
    cairo_rectangle(cr, width * 0.05, height * 0.05, width * 0.9, height * 0.9);
    cairo_set_line_width(cr, textSize / 10);
    cairo_stroke(cr);
    Label(cr, caption + " 第" + std::to_string(page) + "页", width * 0.1, height * 0.5, textSize);
    cairo_show_page(cr);
  }
  cairo_destroy(cr);
  return FinishPdf(surface, path);
}

// Items linked as one list under the outline root, each with its target.
std::vector<std::string> ListedItems(const HandWrittenPdf& pdf,
                                     const std::vector<std::pair<std::string, std::string>>& entries) {
  std::vector<std::string> items;
  const int count = static_cast<int>(entries.size());
  for (int i = 1; i <= count; ++i) {
    std::string item = "/Title (" + entries[i - 1].first + ") /Parent " + pdf.outlineRootRef();
    if (i > 1) item += " /Prev " + pdf.outlineItemRef(i - 1);
    if (i < count) item += " /Next " + pdf.outlineItemRef(i + 1);
    items.push_back(item + " " + entries[i - 1].second);
  }
  return items;
}

bool WriteBadOutline(const std::string& path) {
  HandWrittenPdf pdf(3);
  pdf.setOutlineItems(ListedItems(pdf, {
                                           {"Sheet 2", "/Dest [" + pdf.pageRef(2) + " /Fit]"},
                                           {"Page zero", "/Dest [-1 /Fit]"},
                                           {"Past the end", "/Dest [99 /Fit]"},
                                           {"No target", ""},
                                           {"Missing named destination", "/Dest (nowhere)"},
                                           {"Not a page", "/Dest [1 0 R /Fit]"},
                                           {"Sheet 3", "/A << /S /GoTo /D [" + pdf.pageRef(3) + " /XYZ 0 842 0] >>"},
                                       }));
  return pdf.write(path);
}

// "Loop A" has itself as its child; "Loop B" has "Loop A" as its next sibling.
bool WriteOutlineLoop(const std::string& path) {
  HandWrittenPdf pdf(2);
  const std::string a = pdf.outlineItemRef(1), b = pdf.outlineItemRef(2), root = pdf.outlineRootRef();
  pdf.setOutlineItems({
      "/Title (Loop A) /Parent " + root + " /First " + a + " /Last " + a + " /Count 1 /Next " + b + " /Dest [" +
          pdf.pageRef(1) + " /Fit]",
      "/Title (Loop B) /Parent " + root + " /Prev " + a + " /Next " + a + " /Dest [" + pdf.pageRef(2) + " /Fit]",
  });
  return pdf.write(path);
}

}  // namespace

bool WritePdfFixtures(const std::string& dir) {
  const double huge = kHugeSideMm * kPointsPerMm;
  bool ok = WriteLabelledPages(dir + "/no-outline.pdf", kA4Width, kA4Height, 3, "无书签", 24);
  ok = WriteBadOutline(dir + "/bad-outline.pdf") && ok;
  ok = WriteOutlineLoop(dir + "/outline-loop.pdf") && ok;
  ok = WriteLabelledPages(dir + "/huge-page.pdf", huge, huge, 1, "超大页面", 600) && ok;
  ok = WriteLabelledPages(dir + "/many-pages.pdf", kTinySide, kTinySide, kManyPages, "", 8) && ok;
  ok = WriteLabelledPages(dir + "/to-encrypt.pdf", kA4Width, kA4Height, 2, "加密文件", 24) && ok;
  return ok;
}

}  // namespace quillmoor::samples
