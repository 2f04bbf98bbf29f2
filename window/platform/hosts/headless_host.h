#pragma once
// The headless host: no display, a virtual clock and scripted input. While it is installed
// (for its lifetime) the one clock is virtual and only moves when the test says so:
// Advance delivers, in time order, every timer that falls due on the way, each at its due
// time. Input is given at positions in a window's client area. A loop that waits on the
// queue (GetMessage) jumps the clock to the next scheduled step or timer; waiting with
// nothing scheduled ends that loop with WM_QUIT instead of hanging (see Starved), and so
// does waiting longer than the wait budget (see TimedOut).
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "os/clock.h"
#include "window/platform/core/host.h"
#include "window/platform/core/input.h"

namespace qor::ui {

// The test's clock. It is moved by the host's thread and may be read from any thread.
class VirtualClock final : public os::ClockSource {
 public:
  explicit VirtualClock(uint64_t startTicks = 1000) : start_(startTicks), ticks_(startTicks) {}
  uint64_t Ticks() override { return ticks_.load(std::memory_order_acquire); }
  os::LocalTime Now() override;  // 8 December 2026, 09:00, plus the ticks since the start
  // Moves the clock to `ticks`; never back.
  void Set(uint64_t ticks);

 private:
  const uint64_t start_;
  std::atomic<uint64_t> ticks_;
};

class HeadlessHost final : public Host {
 public:
  HeadlessHost();
  ~HeadlessHost() override;
  HeadlessHost(const HeadlessHost&) = delete;
  HeadlessHost& operator=(const HeadlessHost&) = delete;

  uint64_t Now() { return clock_.Ticks(); }
  // Moves the clock on, delivering (dispatching) every due timer and scheduled step on the
  // way in time order, and everything they cause.
  void Advance(uint64_t milliseconds);
  // Reads and dispatches (with translation) everything the calling thread's queue holds
  // now; returns how many messages it dispatched. Stops at WM_QUIT, remembering its code.
  int Pump();
  // Moves the clock on without reading any queue, as a procedure busy for that long does.
  void Stall(uint64_t milliseconds) {
    clock_.Set(Now() + milliseconds);
    RestartBudget();
  }
  // Runs `step` when the clock reaches now + `delay` (inside Advance or a waiting loop).
  void Schedule(uint64_t delay, std::function<void()> step);

  // Scripted input at a position in a window's client area (pumped by the caller).
  void MouseMove(Hwnd hwnd, Point client);
  void MouseDown(Hwnd hwnd, Point client, MouseButton button = MouseButton::Left);
  void MouseUp(Hwnd hwnd, Point client, MouseButton button = MouseButton::Left);
  void Click(Hwnd hwnd, Point client, MouseButton button = MouseButton::Left);
  void DoubleClick(Hwnd hwnd, Point client, MouseButton button = MouseButton::Left);
  void KeyDown(uint32_t keyCode, uint32_t character = 0);
  void KeyUp(uint32_t keyCode);
  // Down and up, typing the key's character on a US keyboard with the shift state in force.
  void Press(uint32_t keyCode);
  // Types each character of the text as the keys (with Shift) a US keyboard needs.
  // Characters no key types are left out, and the result is then false.
  bool Type(const std::string& text);

  // How far a loop waiting on the queue may move the clock past the test's last doing (the
  // host made, Advance, Stall, Pump, a scheduled step run, or this call) before the wait
  // ends with WM_QUIT and TimedOut() says so: a periodic timer cannot keep a script whose
  // input missed waiting for ever.
  static constexpr uint64_t kDefaultWaitBudget = 10 * 60 * 1000;
  void SetWaitBudget(uint64_t milliseconds);

  bool Starved() const { return starved_; }
  bool TimedOut() const { return timedOut_; }
  bool QuitSeen() const { return quitSeen_; }
  int QuitCode() const { return quitCode_; }
  int Beeps() const { return beeps_; }
  // The sounds of the latest beeps, oldest first: at most kKeptSounds, so a long run
  // that beeps often does not grow without end.
  static constexpr std::size_t kKeptSounds = 64;
  const std::vector<uint32_t>& Sounds() const { return sounds_; }
  void SetScreenSize(Size size) { screen_ = size; }

  // Host
  void Wait(std::optional<uint64_t> deadline) override;
  void Wake() override {}
  // A test answers its windows through scripted input.
  bool HasDisplay() const override { return true; }
  Size ScreenSize() override { return screen_; }
  void Beep(uint32_t sound) override;

 private:
  struct Step {
    uint64_t at;
    uint64_t order;
    std::function<void()> run;
  };
  bool RunStepDueBy(uint64_t limit);
  std::optional<uint64_t> NextEvent(uint64_t limit);
  std::optional<uint64_t> NextStep() const;
  void RestartBudget() { budgetFrom_ = Now(); }
  uint64_t BudgetEnd() const;

  VirtualClock clock_;
  std::vector<Step> steps_;
  uint64_t stepOrder_ = 0;
  Size screen_{1024, 768};
  bool starved_ = false;
  bool timedOut_ = false;
  uint64_t waitBudget_ = kDefaultWaitBudget;
  uint64_t budgetFrom_ = 0;
  bool quitSeen_ = false;
  int quitCode_ = 0;
  std::vector<uint32_t> sounds_;
  int beeps_ = 0;
};

}  // namespace qor::ui
