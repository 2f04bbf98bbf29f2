// Waits for one window timer on the real clock, as an application between events does,
// and prints how much processor time the wait took.
//   idle_wait [seconds]   (default 5)
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

#include "os/clock.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/timers.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_class.h"
#include "window/platform/defaults/default_proc.h"

namespace {

double CpuMilliseconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace qor::ui;
  long seconds = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 5;
  if (seconds < 1 || seconds > 3600) {
    std::fprintf(stderr, "idle_wait: seconds must be from 1 to 3600\n");
    return 2;
  }
  RegisterClass(WindowClass{"Idle", DefWindowProc});
  CreateParams params;
  params.className = "Idle";
  params.style = WS_POPUP;
  Hwnd window = CreateWindow(params);
  SetTimer(window, 1, static_cast<uint32_t>(seconds * 1000));

  uint64_t startTicks = qor::os::TickCount();
  double startCpu = CpuMilliseconds();
  Msg msg;
  int messages = 0;
  while (GetMessage(msg)) {
    ++messages;
    if (msg.message == WM_TIMER) break;
    DispatchMessage(msg);
  }
  double cpu = CpuMilliseconds() - startCpu;
  uint64_t waited = qor::os::TickCount() - startTicks;
  std::printf("waited %llu ms for a %ld s timer; messages read %d; CPU time %.3f ms (user+system)\n",
              static_cast<unsigned long long>(waited), seconds, messages, cpu);
  return cpu < 1.0 ? 0 : 1;
}
