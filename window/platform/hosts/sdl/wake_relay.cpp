#include "window/platform/hosts/sdl/wake_relay.h"

#include <SDL.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace qor::ui {
namespace {

void Signal(int fd) {
  uint64_t one = 1;
  [[maybe_unused]] ssize_t put = write(fd, &one, sizeof one);
}

void Clear(int fd) {
  uint64_t count = 0;
  [[maybe_unused]] ssize_t got = read(fd, &count, sizeof count);
}

}  // namespace

WakeRelay::~WakeRelay() {
  if (watcher_.joinable()) {
    stopping_ = true;
    Signal(wakeFd_);
    watcher_.join();
  }
  if (wakeFd_ >= 0) close(wakeFd_);
  if (relayFd_ >= 0) close(relayFd_);
}

bool WakeRelay::Start(uint32_t sdlEventType) {
  eventType_ = sdlEventType;
  wakeFd_ = eventfd(0, EFD_CLOEXEC);
  relayFd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  if (wakeFd_ < 0 || relayFd_ < 0) return false;
  watcher_ = std::thread([this] { Watch(); });
  return true;
}

void WakeRelay::Wake() {
  if (wakeFd_ >= 0) Signal(wakeFd_);
}

void WakeRelay::Seen() {
  eventPending_ = false;
  Clear(relayFd_);
}

void WakeRelay::Watch() {
  for (;;) {
    Clear(wakeFd_);  // blocks until a wake
    if (stopping_) return;
    Signal(relayFd_);
    if (!eventPending_.exchange(true)) {
      SDL_Event event{};
      event.type = eventType_;
      SDL_PushEvent(&event);
    }
  }
}

}  // namespace qor::ui
