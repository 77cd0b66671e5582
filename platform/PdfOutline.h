#pragma once
// Reading a PDF's outline for the engine layer (internal to platform/).

#include <string>
#include <vector>

struct fz_context;
struct pdf_document;

namespace quillmoor {

struct PdfOutlineEntry {
  std::string title;  // UTF-8
  int page = 0;       // 1-based; 0 when the entry points nowhere
};

// The outline flattened depth first (an entry, its children, its next
// sibling), at most `maxEntries` long. Every entry keeps its title even when
// its target cannot be read; an entry met a second time (links that loop) is
// left out. Never fails: a missing or unreadable outline is empty.
std::vector<PdfOutlineEntry> ReadPdfOutline(fz_context* ctx, pdf_document* doc, int maxEntries);

}  // namespace quillmoor
