#pragma once
// Waking the desktop host's thread from anywhere, signal handlers included. Wake() only
// writes to an event counter, which is safe in a signal handler; a small watcher thread
// reads it and passes the wake on twice: as an SDL event (which ends a wait for SDL
// events) and on a second counter (which ends a wait while no real window exists, when
// SDL would otherwise have to poll).
#include <atomic>
#include <cstdint>
#include <thread>

namespace qor::ui {

class WakeRelay {
 public:
  WakeRelay() = default;
  ~WakeRelay();
  WakeRelay(const WakeRelay&) = delete;
  WakeRelay& operator=(const WakeRelay&) = delete;

  // Starts the watcher; `sdlEventType` is the registered event type it pushes.
  bool Start(uint32_t sdlEventType);
  void Wake();
  // The counter to wait on while no real window exists.
  int RelayFd() const { return relayFd_; }
  // Called when the host has seen a wake: clears the counter and lets the next wake push
  // a new SDL event (one at a time is enough, however many wakes pile up).
  void Seen();

 private:
  void Watch();

  int wakeFd_ = -1;
  int relayFd_ = -1;
  uint32_t eventType_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<bool> eventPending_{false};
  std::thread watcher_;
};

}  // namespace qor::ui
