// quillmoor-bench export FILE [--page N] [--runs K]
//
// Writes one page the way the export button does (render at 300 dpi through
// the engine layer, encode as JPEG, write aside and move into place) and
// renders the same page straight with MuPDF at 300 dpi, in the same run.

#include "bench/BenchCommands.h"
#include "bench/RawMupdfRenderer.h"
#include "viewer/DocumentSession.h"
#include "viewer/PageExport.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace quillmoor::bench {
namespace {

struct ExportRun {
  QString file;
  int page = 1;
  int runs = 5;
};

bool ParseArgs(const QStringList& args, ExportRun* run) {
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == QLatin1String("--page") && hasValue) run->page = args[++i].toInt();
    else if (a == QLatin1String("--runs") && hasValue) run->runs = args[++i].toInt();
    else if (!a.startsWith(QLatin1String("--")) && run->file.isEmpty()) run->file = a;
    else return false;
  }
  return !run->file.isEmpty() && run->page >= 1 && run->runs >= 1;
}

}  // namespace

int RunPageExportBench(const QStringList& args) {
  ExportRun run;
  if (!ParseArgs(args, &run)) {
    std::fprintf(stderr, "usage: quillmoor-bench export FILE [--page N] [--runs K]\n");
    return 2;
  }
  const QString path = QFileInfo(run.file).absoluteFilePath();
  DocumentSession session(QFileInfo(path).absolutePath());
  session.createEngine();
  session.openDocument(path.toStdString());
  RawMupdfRenderer raw(path.toStdString());
  QTemporaryDir out;
  const std::string picture = out.filePath(QStringLiteral("page.jpg")).toStdString();
  // One warm-up each, so that both start with fonts and caches loaded.
  if (!out.isValid() || !raw.loaded() || !writePagePicture(session, run.page, picture) ||
      !raw.render(run.page, kExportDpi)) {
    std::fprintf(stderr, "quillmoor-bench: page %d of %s cannot be exported\n", run.page, qPrintable(path));
    return 1;
  }
  double exportTotal = 0, renderTotal = 0, rawTotal = 0;
  for (int i = 1; i <= run.runs; ++i) {
    const double e = MillisecondsOf([&] { writePagePicture(session, run.page, picture); });
    const double r = MillisecondsOf([&] { session.renderPage(run.page, kExportDpi); });
    const double w = MillisecondsOf([&] { raw.render(run.page, kExportDpi); });
    exportTotal += e;
    renderTotal += r;
    rawTotal += w;
    std::printf("run %d: export %.1f ms (engine render alone %.1f ms), raw render %.1f ms\n", i, e, r, w);
  }
  const double exportMs = exportTotal / run.runs, renderMs = renderTotal / run.runs, rawMs = rawTotal / run.runs;
  std::printf("file: %s, page %d at %.0f dpi, picture %lld bytes\n", qPrintable(path), run.page, kExportDpi,
              static_cast<long long>(QFileInfo(QString::fromStdString(picture)).size()));
  std::printf("engine render %.1f ms; JPEG encoding and writing %.1f ms\n", renderMs, exportMs - renderMs);
  std::printf("peak memory: %.1f MiB\n", PeakMemoryMiB());
  std::printf("page-export: export %.1f ms/page, raw render %.1f ms/page, ratio %.2f\n", exportMs, rawMs,
              exportMs / rawMs);
  return 0;
}

}  // namespace quillmoor::bench
