// PDF commands: what the engine layer reads from a file, as the viewer sees it.

#include "tools/quillmoor-tool/ToolCommands.h"

#include "platform/PdfEngine.h"

#include <cstdio>
#include <string>

namespace quillmoor::tool {

namespace {

const char* LoadFailureText(PdfLoadResult result) {
  switch (result) {
    case kPdfLoaded: return "loaded";
    case kPdfPasswordRequired: return "the document needs a password";
    case kPdfEngineUnavailable: return "the PDF engine could not start";
    case kPdfNotOpened: break;
  }
  return "not a readable PDF document";
}

// Loads the one FILE argument into the engine; on failure says why on stderr.
bool LoadDocument(const char* command, const QStringList& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "quillmoor-tool %s: expects one FILE\n", command);
    return false;
  }
  const std::string path = args.front().toStdString();
  const PdfLoadResult result = PdfEngine::instance().load(path);
  if (result == kPdfLoaded) return true;
  std::fprintf(stderr, "quillmoor-tool %s: %s: %s\n", command, path.c_str(), LoadFailureText(result));
  return false;
}

int RunInfo(const QStringList& args) {
  if (!LoadDocument("info", args)) return 1;
  const PdfEngine& engine = PdfEngine::instance();
  std::printf("pages: %d\noutline: %d\n", engine.pageCount(), engine.outlineCount());
  return 0;
}

// A title on one line: tabs and line breaks inside it become spaces.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return text;
}

// One line per entry in the viewer's order: page, tab, title.
int RunOutline(const QStringList& args) {
  if (!LoadDocument("outline", args)) return 1;
  const PdfEngine& engine = PdfEngine::instance();
  for (int index = 1; index <= engine.outlineCount(); ++index) {
    const int id = engine.outlineId(index);
    std::printf("%d\t%s\n", engine.outlinePage(id), OneLine(engine.outlineTitle(id)).c_str());
  }
  return 0;
}

}  // namespace

std::vector<ToolCommand> pdfCommands() {
  return {
      {"info", "FILE", RunInfo},
      {"outline", "FILE", RunOutline},
  };
}

}  // namespace quillmoor::tool
