#pragma once
// Benchmarks of quillmoor-bench. Each prints its figures; the last line of
// each is the one summary line a reader or a script looks for.

#include <QElapsedTimer>
#include <QStringList>

namespace quillmoor::bench {

int RunPageTurnBench(const QStringList& args);
int RunPageExportBench(const QStringList& args);
int RunStartupBench(const QStringList& args);
// One start of the program on a data directory, for RunStartupBench.
int RunStartupChild(const QStringList& args);

// Milliseconds that one call of `work` takes.
template <typename Work>
double MillisecondsOf(Work&& work) {
  QElapsedTimer timer;
  timer.start();
  work();
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Peak resident memory of this process so far, in MiB.
double PeakMemoryMiB();

}  // namespace quillmoor::bench
