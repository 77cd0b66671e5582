// libFuzzer's entry for one target; the build names the target's function.

#include "fuzz/FuzzTargets.h"

#include <pthread.h>
#include <sanitizer/common_interface_defs.h>
#include <signal.h>

#include <QCoreApplication>

namespace {

// The sheet layer reads each workbook in a child process that a bad file may
// bring down. That is the child's to die of, not a finding: the child must
// not run libFuzzer's crash handling and report the input as a crash.
void LeaveCrashesToTheChild() {
  __sanitizer_set_death_callback(nullptr);
  for (const int signal : {SIGSEGV, SIGBUS, SIGABRT, SIGILL, SIGFPE}) ::signal(signal, SIG_DFL);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  pthread_atfork(nullptr, nullptr, LeaveCrashesToTheChild);
  // Qt's image and text classes want an application object, as in the program.
  static QCoreApplication application(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return QUILLMOOR_FUZZ_ENTRY(data, size);
}
