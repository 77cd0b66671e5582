// quillmoor-bench startup --atlases N [--runs K]
//
// Time from process start to the main window shown (offscreen), on generated
// catalogues of N and 2N atlases, measured in the same run: each start is a
// new process of this benchmark in its "startup-child" mode, which runs the
// program's own start-up and reports once the window is exposed and painted.
// The median of K starts counts. Then the catalogue build is timed piece by
// piece in this process, to show where the time goes.

#include "app/CommandLine.h"
#include "app/Startup.h"
#include "bench/BenchCatalogue.h"
#include "bench/BenchCommands.h"
#include "bench/CatalogueBuildProfile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace quillmoor::bench {
namespace {

constexpr char kShownLine[] = "shown";
constexpr int kChildTimeoutMs = 120000;

struct StartupArgs {
  int atlases = 0;
  int runs = 3;
};

std::optional<StartupArgs> ParseStartupArgs(const QStringList& args) {
  StartupArgs parsed;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == QLatin1String("--atlases") && hasValue) parsed.atlases = args[++i].toInt();
    else if (args[i] == QLatin1String("--runs") && hasValue) parsed.runs = args[++i].toInt();
    else return std::nullopt;
  }
  if (parsed.atlases <= 0 || parsed.runs <= 0) return std::nullopt;
  return parsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Milliseconds from starting a child to its "shown" line; nothing when it fails.
std::optional<double> TimeOneStart(const QString& dataDir) {
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  child.setProcessEnvironment(environment);
  QElapsedTimer timer;
  timer.start();
  child.start(QCoreApplication::applicationFilePath(), {"startup-child", "--data-dir", dataDir});
  double shownMs = -1;
  while (shownMs < 0 && child.waitForReadyRead(kChildTimeoutMs)) {
    while (child.canReadLine()) {
      const QByteArray line = child.readLine().trimmed();
      if (line.startsWith(kShownLine)) {
        shownMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        std::printf("    %.1f ms (inside: %s)\n", shownMs, line.mid(sizeof kShownLine).constData());
      }
    }
  }
  child.waitForFinished(kChildTimeoutMs);
  if (shownMs < 0) {
    std::fprintf(stderr, "quillmoor-bench: the start-up failed: %s\n", child.readAllStandardError().constData());
    return std::nullopt;
  }
  return shownMs;
}

void PrintProfile(const CatalogueBuildProfile& p) {
  std::printf("  catalogue build, %d categories, %d atlases, %d queries:\n", p.categories, p.atlases, p.queries);
  std::printf("    open sources (key derivation, top categories, path sheet) %.1f ms\n", p.openMs);
  std::printf("    sub-category and atlas queries %.1f ms (%.3f ms per query)\n", p.queriesMs,
              p.queries ? p.queriesMs / p.queries : 0.0);
  std::printf("    path-sheet lookups %.1f ms (%.2f us per atlas)\n", p.pathsMs,
              p.atlases ? 1000.0 * p.pathsMs / p.atlases : 0.0);
  const double insertion = p.buildMs - p.openMs - p.queriesMs - p.pathsMs;
  std::printf("    whole build %.1f ms without a view (item insertion about %.1f ms), %.1f ms with the tree view\n",
              p.buildMs, insertion, p.buildInViewMs);
}

// The median start-up time for a catalogue of `atlases`; nothing on failure.
std::optional<double> MeasureSize(int atlases, const StartupArgs& args) {
  QTemporaryDir dir;
  BenchCatalogueShape shape;
  shape.atlases = atlases;
  QString error;
  std::printf("%d atlases in %d categories:\n", atlases, CategoryCount(shape));
  std::fflush(stdout);
  if (!dir.isValid() || !MakeBenchCatalogue(dir.path(), shape, &error)) {
    std::fprintf(stderr, "quillmoor-bench: cannot make the catalogue: %s\n", qPrintable(error));
    return std::nullopt;
  }
  std::vector<double> times;
  for (int run = 0; run < args.runs; ++run) {
    const std::optional<double> time = TimeOneStart(dir.path());
    if (!time) return std::nullopt;
    times.push_back(*time);
  }
  PrintProfile(ProfileCatalogueBuild(dir.path()));
  std::fflush(stdout);
  return Median(times);
}

}  // namespace

int RunStartupBench(const QStringList& args) {
  const std::optional<StartupArgs> parsed = ParseStartupArgs(args);
  if (!parsed) {
    std::fprintf(stderr, "usage: quillmoor-bench startup --atlases N [--runs K]\n");
    return 2;
  }
  const int n = parsed->atlases;
  const std::optional<double> t1 = MeasureSize(n, *parsed);
  const std::optional<double> t2 = t1 ? MeasureSize(2 * n, *parsed) : std::nullopt;
  if (!t2) return 1;
  std::printf("startup: %d atlases %.0f ms, %d atlases %.0f ms, scaling %.2f\n", n, *t1, 2 * n, *t2, *t2 / *t1);
  return 0;
}

int RunStartupChild(const QStringList& args) {
  QString error;
  const std::optional<CommandLine> commandLine = ParseCommandLine(QStringList{QString()} + args, &error);
  if (!commandLine) return 2;
  QElapsedTimer timer;
  timer.start();
  StartupResult started = StartUp(BuildStartupOptions(*commandLine));
  if (!started.state) {
    std::fprintf(stderr, "%s\n", qPrintable(started.error));
    return 1;
  }
  const double startupMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
  QWidget* window = started.state->mainWindow.get();
  window->show();
  while (!window->windowHandle() || !window->windowHandle()->isExposed())
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  QCoreApplication::processEvents();  // the first paint
  std::printf("%s start-up %.1f ms, show %.1f ms\n", kShownLine, startupMs,
              static_cast<double>(timer.nsecsElapsed()) / 1e6 - startupMs);
  std::fflush(stdout);
  return 0;
}

}  // namespace quillmoor::bench
