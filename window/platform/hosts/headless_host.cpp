#include "window/platform/hosts/headless_host.h"

#include <algorithm>
#include <ctime>
#include <limits>

#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/timers.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/hosts/install_upper_layers.h"
#include "window/platform/hosts/us_keyboard.h"

namespace qor::ui {

os::LocalTime VirtualClock::Now() {
  tm base{};
  base.tm_year = 2026 - 1900;
  base.tm_mon = 11;
  base.tm_mday = 8;
  base.tm_hour = 9;
  uint64_t elapsed = Ticks() - start_;
  time_t when = timegm(&base) + static_cast<time_t>(elapsed / 1000);
  tm parts{};
  gmtime_r(&when, &parts);
  return os::LocalTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_wday,
                       parts.tm_hour,        parts.tm_min,     parts.tm_sec,  static_cast<int>(elapsed % 1000)};
}

void VirtualClock::Set(uint64_t ticks) {
  uint64_t now = ticks_.load(std::memory_order_relaxed);
  while (now < ticks && !ticks_.compare_exchange_weak(now, ticks, std::memory_order_release)) {
  }
}

HeadlessHost::HeadlessHost() {
  InstallUpperLayers();
  os::InstallClock(&clock_);
  InstallHost(this);
  RestartBudget();
}

void HeadlessHost::Beep(uint32_t sound) {
  ++beeps_;
  if (sounds_.size() == kKeptSounds) sounds_.erase(sounds_.begin());
  sounds_.push_back(sound);
}

void HeadlessHost::SetWaitBudget(uint64_t milliseconds) {
  waitBudget_ = milliseconds;
  RestartBudget();
}

uint64_t HeadlessHost::BudgetEnd() const {
  return budgetFrom_ > std::numeric_limits<uint64_t>::max() - waitBudget_ ? std::numeric_limits<uint64_t>::max()
                                                                           : budgetFrom_ + waitBudget_;
}

HeadlessHost::~HeadlessHost() {
  InstallHost(nullptr);
  os::InstallClock(nullptr);
}

int HeadlessHost::Pump() {
  RestartBudget();
  constexpr int kRunaway = 1000000;  // a window that never validates itself would loop forever
  int dispatched = 0;
  Msg msg;
  while (dispatched < kRunaway && PeekMessage(msg, Hwnd{}, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      quitSeen_ = true;
      quitCode_ = static_cast<int>(static_cast<intptr_t>(msg.wParam));
      break;
    }
    TranslateMessage(msg);
    DispatchMessage(msg);
    ++dispatched;
  }
  return dispatched;
}

void HeadlessHost::Schedule(uint64_t delay, std::function<void()> step) {
  steps_.push_back(Step{Now() + delay, ++stepOrder_, std::move(step)});
}

bool HeadlessHost::RunStepDueBy(uint64_t limit) {
  auto due = std::min_element(steps_.begin(), steps_.end(), [](const Step& a, const Step& b) {
    return a.at != b.at ? a.at < b.at : a.order < b.order;
  });
  if (due == steps_.end() || due->at > limit) return false;
  clock_.Set(due->at);
  std::function<void()> run = std::move(due->run);
  steps_.erase(due);
  RestartBudget();
  run();
  return true;
}

std::optional<uint64_t> HeadlessHost::NextStep() const {
  std::optional<uint64_t> next;
  for (const Step& s : steps_) {
    if (!next || s.at < *next) next = s.at;
  }
  return next;
}

std::optional<uint64_t> HeadlessHost::NextEvent(uint64_t limit) {
  std::optional<uint64_t> next = NextTimerDueOfThisThread();
  std::optional<uint64_t> step = NextStep();
  if (step && (!next || *step < *next)) next = step;
  if (next && *next > limit) return std::nullopt;
  return next;
}

void HeadlessHost::Advance(uint64_t milliseconds) {
  RestartBudget();
  uint64_t target = Now() + milliseconds;
  Pump();
  while (std::optional<uint64_t> next = NextEvent(target)) {
    clock_.Set(*next);
    while (RunStepDueBy(Now())) Pump();
    Pump();
  }
  clock_.Set(target);
  Pump();
}

void HeadlessHost::Wait(std::optional<uint64_t> deadline) {
  std::optional<uint64_t> step = NextStep();
  if (!step && !deadline) {
    // Nothing scheduled and no timer: nothing can ever arrive. End the waiting loop.
    starved_ = true;
    PostQuitMessage(-1);
    return;
  }
  uint64_t until = std::min(step.value_or(std::numeric_limits<uint64_t>::max()),
                            deadline.value_or(std::numeric_limits<uint64_t>::max()));
  if (until > BudgetEnd()) {
    // Only a timer keeps the loop going (a script's input missed): end it, not hang.
    clock_.Set(BudgetEnd());
    timedOut_ = true;
    RestartBudget();
    PostQuitMessage(-1);
    return;
  }
  if (RunStepDueBy(until)) return;
  clock_.Set(until);
}

void HeadlessHost::MouseMove(Hwnd hwnd, Point client) { HostMouseMove(ClientToScreen(hwnd, client)); }

void HeadlessHost::MouseDown(Hwnd hwnd, Point client, MouseButton button) {
  HostMouseButton(button, true, ClientToScreen(hwnd, client));
}

void HeadlessHost::MouseUp(Hwnd hwnd, Point client, MouseButton button) {
  HostMouseButton(button, false, ClientToScreen(hwnd, client));
}

void HeadlessHost::Click(Hwnd hwnd, Point client, MouseButton button) {
  Point screen = ClientToScreen(hwnd, client);
  HostMouseButton(button, true, screen);
  HostMouseButton(button, false, screen);
}

void HeadlessHost::DoubleClick(Hwnd hwnd, Point client, MouseButton button) {
  Click(hwnd, client, button);
  Click(hwnd, client, button);
}

void HeadlessHost::KeyDown(uint32_t keyCode, uint32_t character) { HostKey(keyCode, true, character); }

void HeadlessHost::KeyUp(uint32_t keyCode) { HostKey(keyCode, false, 0); }

void HeadlessHost::Press(uint32_t keyCode) {
  bool shift = GetKeyState(VK_SHIFT) < 0;
  bool control = GetKeyState(VK_CONTROL) < 0;
  HostKey(keyCode, true, control ? 0 : UsKeyboardCharacter(keyCode, shift));
  HostKey(keyCode, false, 0);
}

bool HeadlessHost::Type(const std::string& text) {
  bool typedAll = true;
  for (char c : text) {
    bool shift = false;
    uint32_t key = UsKeyboardKeyFor(c, shift);
    if (key == 0) {
      typedAll = false;
      continue;
    }
    if (shift) HostKey(VK_SHIFT, true, 0);
    HostKey(key, true, UsKeyboardCharacter(key, shift));
    HostKey(key, false, 0);
    if (shift) HostKey(VK_SHIFT, false, 0);
  }
  return typedAll;
}

}  // namespace qor::ui
