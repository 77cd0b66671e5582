// quillmoor-bench pages FILE [--first A --last B] [--dpi D]
//
// Turns through pages the way the page view does (render through the engine
// layer, hand the image to the page picture, paint it) and renders the same
// pages straight with MuPDF at the same resolution, in the same run.

#include "bench/BenchCommands.h"
#include "bench/RawMupdfRenderer.h"
#include "platform/UiPictureShape.h"
#include "viewer/DocumentSession.h"
#include "viewer/PageView.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QWindow>
#include <QLineEdit>

#include <cstdio>

namespace quillmoor::bench {
namespace {

struct PageRange {
  QString file;
  int first = 1;
  int last = 0;  // 0: the last page
  double dpi = kDisplayDpi;
};

bool ParseArgs(const QStringList& args, PageRange* range) {
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == QLatin1String("--first") && hasValue) range->first = args[++i].toInt();
    else if (a == QLatin1String("--last") && hasValue) range->last = args[++i].toInt();
    else if (a == QLatin1String("--dpi") && hasValue) range->dpi = args[++i].toDouble();
    else if (!a.startsWith(QLatin1String("--")) && range->file.isEmpty()) range->file = a;
    else return false;
  }
  return !range->file.isEmpty() && range->first >= 1 && range->dpi > 0;
}

}  // namespace

int RunPageTurnBench(const QStringList& args) {
  PageRange range;
  if (!ParseArgs(args, &range)) {
    std::fprintf(stderr, "usage: quillmoor-bench pages FILE [--first A --last B] [--dpi D]\n");
    return 2;
  }
  const QString path = QFileInfo(range.file).absoluteFilePath();
  DocumentSession session(QFileInfo(path).absolutePath());
  session.createEngine();
  session.openDocument(path.toStdString());
  RawMupdfRenderer raw(path.toStdString());
  if (session.pageCount() <= 0 || !raw.loaded()) {
    std::fprintf(stderr, "quillmoor-bench: %s does not load\n", qPrintable(path));
    return 1;
  }
  const int last = range.last > 0 ? std::min(range.last, session.pageCount()) : session.pageCount();
  const int first = std::min(range.first, last);

  // The page area of a main window on a common laptop screen.
  UiPictureShape picture;
  picture.resize(1100, 780);
  picture.show();
  // An unexposed window would skip the paint that a turn costs the user.
  for (int i = 0; i < 200 && !(picture.windowHandle() && picture.windowHandle()->isExposed()); ++i)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  QLineEdit pageBox;
  PageView view(session, &picture, &pageBox, range.dpi);

  // One warm-up page each, so that both start with fonts and caches loaded.
  view.showPage(first);
  raw.render(first, range.dpi);

  double viewTotal = 0, rawTotal = 0, engineTotal = 0;
  for (int page = first; page <= last; ++page) {
    const double v = MillisecondsOf([&] {
      session.setCurrentPage(page);
      view.showPage(page);
    });
    const double w = MillisecondsOf([&] { raw.render(page, range.dpi); });
    const double e = MillisecondsOf([&] { session.renderPage(page, range.dpi); });
    viewTotal += v;
    rawTotal += w;
    engineTotal += e;
    std::printf("page %d: view %.1f ms (engine layer alone %.1f ms), raw %.1f ms\n", page, v, e, w);
  }
  const int pages = last - first + 1;
  const double viewPerPage = viewTotal / pages, rawPerPage = rawTotal / pages;
  std::printf("file: %s, pages %d to %d at %.0f dpi\n", qPrintable(path), first, last, range.dpi);
  std::printf("engine layer alone: %.1f ms/page; picture hand-over and paint: %.1f ms/page\n",
              engineTotal / pages, (viewTotal - engineTotal) / pages);
  std::printf("peak memory: %.1f MiB\n", PeakMemoryMiB());
  std::printf("page-turn: view %.1f ms/page, raw %.1f ms/page, ratio %.2f\n", viewPerPage, rawPerPage,
              viewPerPage / rawPerPage);
  return 0;
}

}  // namespace quillmoor::bench
