#include "data/IsolatedWorkbookReader.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace quillmoor {

namespace {

using Clock = std::chrono::steady_clock;

constexpr char kRead = 'R';  // the child's answer starts with one of these
constexpr char kFailed = 'F';

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

// In the child: read the workbook, answer through `fd`, and leave without
// running anything of the parent's (no exit handlers, no stream flushes).
[[noreturn]] void ReadAndAnswer(const std::string& path, WorkbookReader reader, int fd) {
  std::string error;
  const std::optional<WorkbookContent> workbook = reader(path, error);
  const bool sent = WriteAll(fd, workbook ? kRead + Serialize(*workbook) : kFailed + error);
  _exit(sent ? 0 : 1);
}

// In the parent: everything the child writes until it closes its end, or
// nothing once the deadline has passed.
std::optional<std::string> ReadUntilClosed(int fd, Clock::time_point deadline) {
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return std::nullopt;
    pollfd wait{fd, POLLIN, 0};
    const int ready = poll(&wait, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return std::nullopt;
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) return bytes;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

// True when the child ended by itself with status 0; kills it first when asked.
bool Reap(pid_t child, bool kill) {
  if (kill) ::kill(child, SIGKILL);
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

std::optional<WorkbookContent> ReadWorkbookIsolated(const std::string& path, std::string& error,
                                                    WorkbookReader reader,
                                                    std::chrono::milliseconds timeLimit) {
  int pipeEnds[2];
  // Close-on-exec: a program some other thread starts must not hold the pipe open.
  if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
    error = "无法创建读取工作簿的管道";
    return std::nullopt;
  }
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    ReadAndAnswer(path, reader, pipeEnds[1]);
  }
  close(pipeEnds[1]);
  if (child < 0) {
    close(pipeEnds[0]);
    error = "无法创建读取工作簿的进程";
    return std::nullopt;
  }
  const std::optional<std::string> answer = ReadUntilClosed(pipeEnds[0], Clock::now() + timeLimit);
  close(pipeEnds[0]);
  const bool finished = Reap(child, !answer);
  if (!answer || !finished || answer->empty()) {
    error = "读取工作簿时出错（文件可能已损坏）：" + path;
    return std::nullopt;
  }
  if (answer->front() == kFailed) {
    error = answer->substr(1);
    return std::nullopt;
  }
  std::optional<WorkbookContent> workbook = Deserialize(answer->substr(1));
  if (!workbook) error = "读取工作簿时出错（文件可能已损坏）：" + path;
  return workbook;
}

}  // namespace quillmoor
