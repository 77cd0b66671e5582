// PDF commands: what the engine layer reads from a file, as the viewer sees it.

#include "tools/quillmoor-tool/ToolCommands.h"

#include "platform/PdfEngine.h"
#include "viewer/DocumentSession.h"
#include "viewer/PageExport.h"

#include <cmath>
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

struct ExportRequest {
  QString file;
  int page = 0;
  double dpi = kExportDpi;
  QString out;
};

bool ParseExportArgs(const QStringList& args, ExportRequest* request) {
  bool ok = true;
  for (qsizetype i = 0; ok && i < args.size(); ++i) {
    const QString& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == QLatin1String("--page") && hasValue) request->page = args[++i].toInt(&ok);
    else if (a == QLatin1String("--dpi") && hasValue) request->dpi = args[++i].toDouble(&ok);
    else if (a == QLatin1String("--out") && hasValue) request->out = args[++i];
    else if (!a.startsWith(QLatin1String("--")) && request->file.isEmpty()) request->file = a;
    else ok = false;
  }
  return ok && !request->file.isEmpty() && !request->out.isEmpty() && request->page != 0 &&
         std::isfinite(request->dpi) && request->dpi > 0;
}

// The page written the way the export button writes it.
int RunExportPage(const QStringList& args) {
  ExportRequest request;
  if (!ParseExportArgs(args, &request)) {
    std::fprintf(stderr, "quillmoor-tool export-page: expects FILE --page N [--dpi D] --out OUT.jpg\n");
    return 2;
  }
  if (!LoadDocument("export-page", {request.file})) return 1;
  DocumentSession session{QString()};
  session.createEngine();  // the process's engine, which now holds the file
  const int pages = session.readPageCount();
  if (request.page < 1 || request.page > pages) {
    std::fprintf(stderr, "quillmoor-tool export-page: page %d is outside 1 to %d\n", request.page, pages);
    return 1;
  }
  const std::string out = request.out.toStdString();
  if (!writePagePicture(session, request.page, out, request.dpi)) {
    std::fprintf(stderr, "quillmoor-tool export-page: page %d at %g dpi could not be rendered or written to %s\n",
                 request.page, request.dpi, out.c_str());
    return 1;
  }
  return 0;
}

// The print queues as the print button sees them.
int RunPrinters(const QStringList& args) {
  if (!args.isEmpty()) {
    std::fprintf(stderr, "quillmoor-tool printers: expects no arguments\n");
    return 2;
  }
  std::fputs(PdfEngine::instance().printerNames().c_str(), stdout);
  return 0;
}

}  // namespace

std::vector<ToolCommand> pdfCommands() {
  return {
      {"info", "FILE", RunInfo},
      {"outline", "FILE", RunOutline},
      {"export-page", "FILE --page N [--dpi D] --out OUT.jpg", RunExportPage},
      {"printers", "", RunPrinters},
  };
}

}  // namespace quillmoor::tool
