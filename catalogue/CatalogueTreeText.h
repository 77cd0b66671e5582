#pragma once
// The catalogue tree as text, one line per item in tree order, indented by
// two spaces per level below the top:
//   C <tab> cate1 <tab> cateid                              for a category
//   A <tab> bookcode <tab> bookname <tab> bookfile <tab> bookid   for an atlas

#include <string>

namespace quillmoor {

class UiTreeAdapter;

std::string CatalogueTreeText(const UiTreeAdapter& adapter);

}  // namespace quillmoor
