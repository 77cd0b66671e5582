#include "platform/PdfOutline.h"

#include "platform/MupdfCall.h"

extern "C" {
#include <mupdf/pdf.h>
}

// The outline is walked at the PDF level rather than through fz_load_outline:
// MuPDF gives up on the whole outline when one entry's target cannot be read,
// where the reader should still see every other entry.

namespace quillmoor {
namespace {

pdf_obj* DictGet(fz_context* ctx, pdf_obj* dict, pdf_obj* key) {
  return MupdfCall<pdf_obj*>(ctx, nullptr, [&] { return pdf_dict_get(ctx, dict, key); });
}

pdf_obj* FirstTopLevelItem(fz_context* ctx, pdf_document* doc) {
  return MupdfCall<pdf_obj*>(ctx, nullptr,
                             [&] { return pdf_dict_getp(ctx, pdf_trailer(ctx, doc), "Root/Outlines/First"); });
}

pdf_mark_bits* NewMarkBits(fz_context* ctx, pdf_document* doc) {
  return MupdfCall<pdf_mark_bits*>(ctx, nullptr, [&] { return pdf_new_mark_bits(ctx, doc); });
}

// False for an item met before.
bool FirstVisit(fz_context* ctx, pdf_mark_bits* seen, pdf_obj* item) {
  return MupdfCall(ctx, false, [&] { return pdf_mark_bits_set(ctx, seen, item) == 0; });
}

std::string ItemTitle(fz_context* ctx, pdf_obj* item) {
  const char* title =
      MupdfCall<const char*>(ctx, nullptr, [&] { return pdf_dict_get_text_string(ctx, item, PDF_NAME(Title)); });
  return title ? title : "";
}

// The item's target as a MuPDF link ("#page=3", a named destination, a URL);
// null when it has none or it cannot be read. The caller frees it.
char* ItemLink(fz_context* ctx, pdf_document* doc, pdf_obj* item) {
  return MupdfCall<char*>(ctx, nullptr, [&]() -> char* {
    if (pdf_obj* dest = pdf_dict_get(ctx, item, PDF_NAME(Dest))) return pdf_parse_link_dest(ctx, doc, dest);
    if (pdf_obj* action = pdf_dict_get(ctx, item, PDF_NAME(A))) return pdf_parse_link_action(ctx, doc, action, -1);
    return nullptr;
  });
}

int ResolvePageNumber(fz_context* ctx, fz_document* doc, const char* link) {
  if (!link) return 0;
  const int index = MupdfCall(ctx, -1, [&] {
    const fz_location location = fz_resolve_link(ctx, doc, link, nullptr, nullptr);
    return location.page < 0 ? -1 : fz_page_number_from_location(ctx, doc, location);
  });
  return index < 0 ? 0 : index + 1;
}

int ItemPage(fz_context* ctx, pdf_document* doc, pdf_obj* item) {
  char* link = ItemLink(ctx, doc, item);
  const int page = ResolvePageNumber(ctx, &doc->super, link);
  fz_free(ctx, link);
  return page;
}

}  // namespace

std::vector<PdfOutlineEntry> ReadPdfOutline(fz_context* ctx, pdf_document* doc, int maxEntries) {
  std::vector<PdfOutlineEntry> entries;
  pdf_mark_bits* seen = NewMarkBits(ctx, doc);
  if (!seen) return entries;
  std::vector<pdf_obj*> siblingsToVisit;
  pdf_obj* item = FirstTopLevelItem(ctx, doc);
  while (item && entries.size() < static_cast<size_t>(maxEntries)) {
    pdf_obj* child = nullptr;
    pdf_obj* next = nullptr;
    if (FirstVisit(ctx, seen, item)) {
      entries.push_back({ItemTitle(ctx, item), ItemPage(ctx, doc, item)});
      child = DictGet(ctx, item, PDF_NAME(First));
      next = DictGet(ctx, item, PDF_NAME(Next));
    }
    if (child && next) siblingsToVisit.push_back(next);
    if (child || next) {
      item = child ? child : next;
    } else if (!siblingsToVisit.empty()) {
      item = siblingsToVisit.back();
      siblingsToVisit.pop_back();
    } else {
      item = nullptr;
    }
  }
  pdf_drop_mark_bits(ctx, seen);
  return entries;
}

}  // namespace quillmoor
