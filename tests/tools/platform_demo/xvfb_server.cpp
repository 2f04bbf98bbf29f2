#include "tests/tools/platform_demo/xvfb_server.h"

#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace qor::tool::testing {
namespace {

constexpr const char* kXvfb = "Xvfb";
constexpr int kStartTimeoutMs = 20000;

bool FoundOnPath(const char* program) {
  const char* path = getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  size_t start = 0;
  while (start <= dirs.size()) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    std::string candidate = dirs.substr(start, end - start) + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0) return true;
    start = end + 1;
  }
  return false;
}

// Reads the display number Xvfb writes once it accepts connections.
std::string ReadDisplayNumber(int fd) {
  std::string number;
  pollfd ready{fd, POLLIN, 0};
  while (poll(&ready, 1, kStartTimeoutMs) > 0) {
    char c = 0;
    if (read(fd, &c, 1) != 1 || c == '\n') break;
    number += c;
  }
  return number;
}

}  // namespace

bool XvfbServer::Installed() { return FoundOnPath(kXvfb); }

bool XvfbServer::Start(std::string* error) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) {
    *error = std::strerror(errno);
    return false;
  }
  pid_ = fork();
  if (pid_ == 0) {
    close(pipeFds[0]);
    std::string fd = std::to_string(pipeFds[1]);
    execlp(kXvfb, kXvfb, "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeFds[1]);
  std::string number = pid_ > 0 ? ReadDisplayNumber(pipeFds[0]) : "";
  close(pipeFds[0]);
  if (number.empty()) {
    *error = "Xvfb did not start";
    return false;
  }
  display_ = ":" + number;
  setenv("DISPLAY", display_.c_str(), 1);
  return true;
}

XvfbServer::~XvfbServer() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  int status = 0;
  waitpid(pid_, &status, 0);
}

}  // namespace qor::tool::testing
