#include "window/platform/core/caret.h"

#include <mutex>

#include "os/clock.h"
#include "window/platform/core/host.h"
#include "window/platform/core/window.h"

namespace qor::ui {

namespace {

struct CaretState {
  std::mutex mutex;
  Hwnd owner;
  Rect rect;
  int hideCount = 0;
  uint32_t blinkTime = 500;
  uint64_t phaseStart = 0;
};

CaretState& Caret() {
  static CaretState caret;
  return caret;
}

void Changed(Hwnd owner) {
  if (owner) CurrentHost().WindowChanged(owner, WindowChange::Invalidated);
}

}  // namespace

bool CreateCaret(Hwnd hwnd, int width, int height) {
  if (!IsWindow(hwnd)) return false;
  DestroyCaret();
  auto& caret = Caret();
  std::lock_guard<std::mutex> guard(caret.mutex);
  caret.owner = hwnd;
  caret.rect = {0, 0, width < 1 ? 1 : width, height < 1 ? 1 : height};
  caret.hideCount = 1;
  caret.phaseStart = os::TickCount();
  return true;
}

bool DestroyCaret() {
  auto& caret = Caret();
  Hwnd owner;
  {
    std::lock_guard<std::mutex> guard(caret.mutex);
    if (!caret.owner) return false;
    owner = caret.owner;
    caret.owner = Hwnd{};
    caret.hideCount = 0;
  }
  Changed(owner);
  return true;
}

bool ShowCaret(Hwnd hwnd) {
  auto& caret = Caret();
  {
    std::lock_guard<std::mutex> guard(caret.mutex);
    if (!caret.owner || caret.owner != hwnd || caret.hideCount == 0) return false;
    if (--caret.hideCount == 0) caret.phaseStart = os::TickCount();
  }
  Changed(hwnd);
  return true;
}

bool HideCaret(Hwnd hwnd) {
  auto& caret = Caret();
  {
    std::lock_guard<std::mutex> guard(caret.mutex);
    if (!caret.owner || caret.owner != hwnd) return false;
    ++caret.hideCount;
  }
  Changed(hwnd);
  return true;
}

bool SetCaretPos(int x, int y) {
  auto& caret = Caret();
  Hwnd owner;
  {
    std::lock_guard<std::mutex> guard(caret.mutex);
    if (!caret.owner) return false;
    caret.rect = caret.rect.Offset(x - caret.rect.left, y - caret.rect.top);
    caret.phaseStart = os::TickCount();
    owner = caret.owner;
  }
  Changed(owner);
  return true;
}

Point GetCaretPos() {
  auto& caret = Caret();
  std::lock_guard<std::mutex> guard(caret.mutex);
  return {caret.rect.left, caret.rect.top};
}

void SetCaretBlinkTime(uint32_t milliseconds) {
  auto& caret = Caret();
  std::lock_guard<std::mutex> guard(caret.mutex);
  caret.blinkTime = milliseconds == 0 ? 1 : milliseconds;
}

uint32_t GetCaretBlinkTime() {
  auto& caret = Caret();
  std::lock_guard<std::mutex> guard(caret.mutex);
  return caret.blinkTime;
}

CaretInfo GetCaretInfo() {
  auto& caret = Caret();
  std::lock_guard<std::mutex> guard(caret.mutex);
  CaretInfo info;
  if (!caret.owner || !IsWindow(caret.owner)) return info;
  info.owner = caret.owner;
  info.rect = caret.rect;
  info.shown = caret.hideCount == 0;
  if (info.shown) {
    uint64_t elapsed = os::TickCount() - caret.phaseStart;
    uint64_t halves = elapsed / caret.blinkTime;
    info.blinkOn = halves % 2 == 0;
    info.nextBlink = caret.phaseStart + (halves + 1) * caret.blinkTime;
  }
  return info;
}

}  // namespace qor::ui
