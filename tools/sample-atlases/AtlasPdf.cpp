#include "tools/sample-atlases/AtlasPdf.h"

#include "tools/sample-atlases/CairoPdf.h"
#include "tools/sample-atlases/DrawingSheet.h"

#include <cairo-pdf.h>

namespace quillmoor::samples {
namespace {

struct AtlasWriter {
  const AtlasPlan& plan;
  cairo_surface_t* surface;
  cairo_t* cr;
  int nextPage = 1;

  int addOutline(int parent, const std::string& title, int page, bool open) {
    const std::string link = "page=" + std::to_string(page);
    return cairo_pdf_surface_add_outline(surface, parent, title.c_str(), link.c_str(),
                                         open ? CAIRO_PDF_OUTLINE_FLAG_OPEN : cairo_pdf_outline_flags_t{});
  }

  void writeSheet(int sectionId, const SectionPlan& section, int sheetInSection, int chapterNumber, int sheetInChapter) {
    const SheetText text{plan.code, plan.title, SheetTitle(section, sheetInSection, nextPage),
                         std::to_string(chapterNumber) + "-" + std::to_string(sheetInChapter), nextPage};
    addOutline(sectionId, text.sheetTitle, nextPage, false);
    DrawSheet(cr, text);
    cairo_show_page(cr);
    ++nextPage;
  }

  void writeChapter(const ChapterPlan& chapter, int chapterNumber) {
    const int chapterId = addOutline(CAIRO_PDF_OUTLINE_ROOT, chapter.name, nextPage, true);
    int sheetInChapter = 1;
    for (const SectionPlan& section : chapter.sections) {
      const int sectionId = addOutline(chapterId, section.name, nextPage, false);
      for (int sheet = 1; sheet <= section.sheets; ++sheet)
        writeSheet(sectionId, section, sheet, chapterNumber, sheetInChapter++);
    }
  }
};

}  // namespace

bool WriteAtlasPdf(const AtlasPlan& plan, const std::string& path) {
  cairo_surface_t* surface =
      NewPdfSurface(path, kSheetWidthMm * kPointsPerMm, kSheetHeightMm * kPointsPerMm, plan.code + " " + plan.title);
  cairo_t* cr = cairo_create(surface);
  AtlasWriter writer{plan, surface, cr};
  for (size_t i = 0; i < plan.chapters.size(); ++i) writer.writeChapter(plan.chapters[i], static_cast<int>(i + 1));
  cairo_destroy(cr);
  return FinishPdf(surface, path);
}

}  // namespace quillmoor::samples
