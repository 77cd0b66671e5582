// quillmoor-bench: benchmarks that print their figures and ratios.

#include "bench/BenchCommands.h"

#include <QApplication>

#include <sys/resource.h>

#include <cstdio>

namespace quillmoor::bench {

double PeakMemoryMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

}  // namespace quillmoor::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  const QString command = args.isEmpty() ? QString() : args.takeFirst();
  if (command == QLatin1String("pages")) return quillmoor::bench::RunPageTurnBench(args);
  if (command == QLatin1String("export")) return quillmoor::bench::RunPageExportBench(args);
  if (command == QLatin1String("startup")) return quillmoor::bench::RunStartupBench(args);
  if (command == QLatin1String("startup-child")) return quillmoor::bench::RunStartupChild(args);
  std::fprintf(stderr,
               "usage: quillmoor-bench pages FILE [--first A --last B] [--dpi D]\n"
               "       quillmoor-bench export FILE [--page N] [--runs K]\n"
               "       quillmoor-bench startup --atlases N [--runs K]\n");
  return 2;
}
