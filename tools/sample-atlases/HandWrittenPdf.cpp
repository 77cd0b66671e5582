#include "tools/sample-atlases/HandWrittenPdf.h"

#include <cstdio>
#include <fstream>

namespace quillmoor::samples {
namespace {

// Object numbers: 1 catalogue, 2 page tree, 3 font, 4 outline root, then the
// pages, their content streams and the outline items.
constexpr int kCatalog = 1, kPageTree = 2, kFont = 3, kOutlineRoot = 4, kFirstPage = 5;

std::string Ref(int number) { return std::to_string(number) + " 0 R"; }

std::string ContentStream(const std::string& content) {
  return "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "\nendstream";
}

std::string Serialise(const std::vector<std::string>& objects) {
  std::string pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
  std::vector<size_t> offsets;
  for (size_t i = 0; i < objects.size(); ++i) {
    offsets.push_back(pdf.size());
    pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
  }
  const size_t xref = pdf.size();
  pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
  for (size_t offset : offsets) {
    char line[21];
    std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
    pdf += line;
  }
  pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root " + Ref(kCatalog) + " >>\n";
  pdf += "startxref\n" + std::to_string(xref) + "\n%%EOF\n";
  return pdf;
}

}  // namespace

HandWrittenPdf::HandWrittenPdf(int pageCount) : pageCount_(pageCount) {}

std::string HandWrittenPdf::pageRef(int page) const { return Ref(kFirstPage + page - 1); }

std::string HandWrittenPdf::outlineItemRef(int item) const { return Ref(kFirstPage + 2 * pageCount_ + item - 1); }

std::string HandWrittenPdf::outlineRootRef() const { return Ref(kOutlineRoot); }

void HandWrittenPdf::setOutlineItems(std::vector<std::string> items) { items_ = std::move(items); }

std::vector<std::string> HandWrittenPdf::objects() const {
  std::string kids;
  for (int page = 1; page <= pageCount_; ++page) kids += pageRef(page) + " ";
  std::vector<std::string> objects = {
      "<< /Type /Catalog /Pages " + Ref(kPageTree) + " /Outlines " + Ref(kOutlineRoot) + " /PageMode /UseOutlines >>",
      "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pageCount_) + " >>",
      "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
      items_.empty() ? "<< /Type /Outlines /Count 0 >>"
                     : "<< /Type /Outlines /First " + outlineItemRef(1) + " /Last " +
                           outlineItemRef(static_cast<int>(items_.size())) + " >>",
  };
  for (int page = 1; page <= pageCount_; ++page)
    objects.push_back("<< /Type /Page /Parent " + Ref(kPageTree) + " /MediaBox [0 0 595 842] /Contents " +
                      Ref(kFirstPage + pageCount_ + page - 1) + " /Resources << /Font << /F1 " + Ref(kFont) +
                      " >> >> >>");
  for (int page = 1; page <= pageCount_; ++page)
    objects.push_back(ContentStream("BT /F1 36 Tf 72 700 Td (Page " + std::to_string(page) + ") Tj ET"));
  for (const std::string& item : items_) objects.push_back("<< " + item + " >>");
  return objects;
}

bool HandWrittenPdf::write(const std::string& path) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << Serialise(objects());
  out.close();
  if (out) return true;
  std::fprintf(stderr, "make-sample-atlases: cannot write %s\n", path.c_str());
  return false;
}

}  // namespace quillmoor::samples
