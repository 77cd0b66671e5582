#include "tools/sample-atlases/CairoPdf.h"

#include <cairo-pdf.h>

#include <cstdio>

namespace quillmoor::samples {

cairo_surface_t* NewPdfSurface(const std::string& path, double width, double height, const std::string& title) {
  cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), width, height);
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, title.c_str());
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_AUTHOR, "Quillmoor 示例数据");
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "make-sample-atlases");
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATE_DATE, "2026-01-01T00:00:00");
  return surface;
}

bool FinishPdf(cairo_surface_t* surface, const std::string& path) {
  cairo_surface_finish(surface);
  const cairo_status_t status = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  if (status == CAIRO_STATUS_SUCCESS) return true;
  std::fprintf(stderr, "make-sample-atlases: %s: %s\n", path.c_str(), cairo_status_to_string(status));
  return false;
}

}  // namespace quillmoor::samples
