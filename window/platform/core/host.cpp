#include "window/platform/core/host.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "os/clock.h"
#include "os/thread_id.h"

namespace qor::ui {
namespace {

// No display; waits on the real clock, woken through an event counter.
class RealTimeHost final : public Host {
 public:
  RealTimeHost() : wakeFd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

  void Wait(std::optional<uint64_t> deadline) override {
    int timeout = -1;
    if (deadline) {
      uint64_t now = os::TickCount();
      uint64_t left = *deadline > now ? *deadline - now : 0;
      timeout = left > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(left);
    }
    pollfd waiting{wakeFd_, POLLIN, 0};
    int ready = poll(&waiting, 1, timeout);
    if (ready > 0) {
      uint64_t count = 0;
      [[maybe_unused]] ssize_t got = read(wakeFd_, &count, sizeof count);
    }
  }

  void Wake() override {
    uint64_t one = 1;
    [[maybe_unused]] ssize_t put = write(wakeFd_, &one, sizeof one);
  }

 private:
  int wakeFd_;
};

RealTimeHost& BuiltInHost() {
  static RealTimeHost host;
  return host;
}

std::atomic<Host*> g_host{nullptr};
std::atomic<os::ThreadId> g_hostThread{0};

}  // namespace

void InstallHost(Host* host) {
  g_host.store(host);
  g_hostThread.store(host ? os::CurrentThreadId() : 0);
}

Host& CurrentHost() {
  Host* host = g_host.load();
  return host ? *host : BuiltInHost();
}

os::ThreadId HostThread() {
  os::ThreadId bound = g_hostThread.load();
  return bound ? bound : os::MainThreadId();
}

bool IsHostThread() { return os::CurrentThreadId() == HostThread(); }

}  // namespace qor::ui
