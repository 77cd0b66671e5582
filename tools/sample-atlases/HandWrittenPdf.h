#pragma once
// A small PDF written object by object, for the files cairo will not write:
// outline entries aimed at page 0, past the end or nowhere, and an outline
// whose links loop. Each page is A4 and shows "Page N".

#include <string>
#include <vector>

namespace quillmoor::samples {

class HandWrittenPdf {
 public:
  explicit HandWrittenPdf(int pageCount);

  // References ("N 0 R") for use inside outline items.
  std::string pageRef(int page) const;
  std::string outlineItemRef(int item) const;
  std::string outlineRootRef() const;

  // The outline items in object order, each the inside of its dictionary
  // (title, links to parent and siblings, target) as it will be written.
  // The outline root names the first and the last.
  void setOutlineItems(std::vector<std::string> items);

  bool write(const std::string& path) const;

 private:
  std::vector<std::string> objects() const;

  int pageCount_;
  std::vector<std::string> items_;
};

}  // namespace quillmoor::samples
