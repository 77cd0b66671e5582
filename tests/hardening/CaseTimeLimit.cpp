#include "tests/hardening/CaseTimeLimit.h"

#include <cstdio>
#include <cstdlib>

namespace quillmoor::test {

CaseTimeLimit::CaseTimeLimit(std::string caseName, std::chrono::seconds limit)
    : caseName_(std::move(caseName)), watcher_([this, limit] { Watch(limit); }) {}

CaseTimeLimit::~CaseTimeLimit() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    done_ = true;
  }
  finished_.notify_one();
  watcher_.join();
}

void CaseTimeLimit::Watch(std::chrono::seconds limit) {
  std::unique_lock<std::mutex> lock(mutex_);
  if (finished_.wait_for(lock, limit, [this] { return done_; })) return;
  std::fprintf(stderr, "%s did not finish within %lld s: the program hangs on it\n", caseName_.c_str(),
               static_cast<long long>(limit.count()));
  std::fflush(stderr);
  std::abort();
}

}  // namespace quillmoor::test
