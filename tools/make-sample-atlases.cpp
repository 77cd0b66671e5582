// Writes the sample atlases and the PDF test fixtures, drawn with cairo.
// usage: make-sample-atlases atlases PROGRAM_DIR   the default atlas beside the
//                                                  program, the others in atlases/
//        make-sample-atlases fixtures DIR          the engine's test fixtures

#include "tools/sample-atlases/AtlasPdf.h"
#include "tools/sample-atlases/AtlasPlan.h"
#include "tools/sample-atlases/PdfFixtures.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

bool MakeDirectory(const std::filesystem::path& dir) {
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (!error) return true;
  std::fprintf(stderr, "make-sample-atlases: %s: %s\n", dir.c_str(), error.message().c_str());
  return false;
}

bool WriteSampleAtlases(const std::filesystem::path& programDir) {
  bool ok = MakeDirectory(programDir / "atlases");
  for (const quillmoor::samples::AtlasPlan& plan : quillmoor::samples::SampleAtlasPlans())
    ok = ok && quillmoor::samples::WriteAtlasPdf(plan, (programDir / plan.fileName).string());
  return ok;
}

bool WriteFixtures(const std::filesystem::path& dir) {
  return MakeDirectory(dir) && quillmoor::samples::WritePdfFixtures(dir.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "atlases") == 0) return WriteSampleAtlases(argv[2]) ? 0 : 1;
  if (argc == 3 && std::strcmp(argv[1], "fixtures") == 0) return WriteFixtures(argv[2]) ? 0 : 1;
  std::fprintf(stderr, "usage: make-sample-atlases atlases PROGRAM_DIR\n       make-sample-atlases fixtures DIR\n");
  return 2;
}
