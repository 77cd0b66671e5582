#pragma once
// What the sample atlases hold: codes and titles of real atlases, and for each
// a made-up table of contents (chapters, sections, sheets) that becomes its
// nested outline.

#include <string>
#include <vector>

namespace quillmoor::samples {

struct SectionPlan {
  std::string name;
  int sheets = 0;
};

struct ChapterPlan {
  std::string name;
  std::vector<SectionPlan> sections;
};

struct AtlasPlan {
  std::string code;
  std::string title;
  std::string fileName;  // relative to the program's directory
  std::vector<ChapterPlan> chapters;
};

// The default atlas "16G101-1.pdf" first, then the others under "atlases/".
const std::vector<AtlasPlan>& SampleAtlasPlans();

int PageCount(const AtlasPlan& plan);

// The title of a sheet: its section's name, a running number within the
// section when it has several sheets, and "第N页".
std::string SheetTitle(const SectionPlan& section, int sheetInSection, int pageNumber);

}  // namespace quillmoor::samples
