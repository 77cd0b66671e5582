#pragma once
// Opening and closing a cairo PDF surface the way every generated file needs:
// with a title, a fixed creation date (so the files do not change from build
// to build) and a checked status at the end.

#include <cairo.h>

#include <string>

namespace quillmoor::samples {

// Page size in points; the surface writes to `path` as pages are shown.
cairo_surface_t* NewPdfSurface(const std::string& path, double width, double height, const std::string& title);

// Finishes and destroys the surface; false (and a line on stderr) when cairo
// reports an error.
bool FinishPdf(cairo_surface_t* surface, const std::string& path);

}  // namespace quillmoor::samples
