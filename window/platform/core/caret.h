#pragma once
// The caret: one for the process, owned by one window at a time, shown at a position in
// that window's client area. It starts hidden; ShowCaret and HideCaret nest (shown when
// every hide is undone). While shown it blinks: on for a blink time, off for the same,
// starting on again whenever it moves or is shown.
#include <cstdint>

#include "window/platform/core/types.h"

namespace qor::ui {

// Makes a caret for a window (replacing any other), hidden, at (0, 0).
bool CreateCaret(Hwnd hwnd, int width, int height);
bool DestroyCaret();
// Only the caret's owner may show, hide or move it.
bool ShowCaret(Hwnd hwnd);
bool HideCaret(Hwnd hwnd);
bool SetCaretPos(int x, int y);
Point GetCaretPos();

void SetCaretBlinkTime(uint32_t milliseconds);
uint32_t GetCaretBlinkTime();

struct CaretInfo {
  Hwnd owner;          // null without a caret
  Rect rect;           // in the owner's client area
  bool shown = false;  // created and not hidden
  bool blinkOn = false;  // shown and in the lit half of its blink at the current time
  uint64_t nextBlink = 0;  // tick at which blinkOn next changes (0 when not shown)
};
CaretInfo GetCaretInfo();

}  // namespace qor::ui
