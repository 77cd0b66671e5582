#pragma once
// A guard against hangs: while it lives, a watcher thread waits; when the
// limit passes first, it names the case on standard error and aborts the
// test process, so a hang shows as a failed case instead of a stalled run.
// The limits are generous; this measures nothing.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace quillmoor::test {

class CaseTimeLimit {
 public:
  CaseTimeLimit(std::string caseName, std::chrono::seconds limit);
  ~CaseTimeLimit();
  CaseTimeLimit(const CaseTimeLimit&) = delete;
  CaseTimeLimit& operator=(const CaseTimeLimit&) = delete;

 private:
  void Watch(std::chrono::seconds limit);

  std::string caseName_;
  std::mutex mutex_;
  std::condition_variable finished_;
  bool done_ = false;
  std::thread watcher_;
};

// Limits for the cases of the bad-file tables.
inline constexpr std::chrono::seconds kUsualCaseLimit{120};
inline constexpr std::chrono::seconds kLargeCaseLimit{600};

}  // namespace quillmoor::test
