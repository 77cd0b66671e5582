#pragma once
// Drawing one page of a loaded document into a QImage for the engine layer
// (internal to platform/).

#include <QImage>

struct fz_context;
struct fz_document;

namespace quillmoor {

// Page `index` (0-based) at `dpi`, drawn by MuPDF straight into the image's
// rows on white. A null image when the page cannot be loaded or drawn, or
// would be larger than `maxPixels`.
QImage RenderPdfPage(fz_context* ctx, fz_document* doc, int index, double dpi, long long maxPixels);

}  // namespace quillmoor
