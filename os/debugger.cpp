#include "os/debugger.h"

#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace qor::os {
namespace {

// Lets the abort leave its core dump even where the soft limit is 0.
void AllowCoreDump() {
  rlimit limit{};
  if (getrlimit(RLIMIT_CORE, &limit) != 0) return;
  limit.rlim_cur = limit.rlim_max;
  setrlimit(RLIMIT_CORE, &limit);
}

}  // namespace

bool DebuggerAttached() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("TracerPid:", 0) == 0) return std::atoi(line.c_str() + 10) != 0;
  }
  return false;
}

void BreakIntoDebugger() {
  std::fflush(nullptr);
  if (DebuggerAttached()) std::raise(SIGTRAP);
  AllowCoreDump();
  std::abort();
}

}  // namespace qor::os
