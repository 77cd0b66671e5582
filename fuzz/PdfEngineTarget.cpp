// The PDF engine layer on arbitrary bytes, as the viewer uses it when an
// atlas is opened: load, count, walk the outline, draw the first page.

#include "fuzz/FuzzTargets.h"
#include "fuzz/ScratchFile.h"
#include "platform/PdfEngine.h"

#include <algorithm>

namespace quillmoor::fuzz {
namespace {

// Low enough that one input stays quick, high enough that the page's
// content is actually drawn.
constexpr double kRenderDpi = 12.0;
// The outline panel lists every entry; a few hundred are plenty to reach
// every kind of entry a damaged file can produce.
constexpr int kOutlineEntriesRead = 500;

void ReadOutline(const PdfEngine& engine) {
  const int count = std::min(engine.outlineCount(), kOutlineEntriesRead);
  for (int index = 1; index <= count; ++index) {
    const int id = engine.outlineId(index);
    (void)engine.outlineTitle(id);
    (void)engine.outlinePage(id);
  }
}

}  // namespace

int PdfEngineInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = WriteScratchFile("input.pdf", data, size);
  if (path.empty()) return 0;
  PdfEngine& engine = PdfEngine::instance();
  if (engine.load(path) != kPdfLoaded) return 0;
  ReadOutline(engine);
  (void)engine.renderPage(1, kRenderDpi);
  (void)engine.renderPage(engine.pageCount(), kRenderDpi);
  return 0;
}

}  // namespace quillmoor::fuzz
