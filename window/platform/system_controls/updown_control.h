#pragma once
// The system "UpDown" class: a spin box's pair of arrows, up in the upper half and down
// in the lower. It keeps no value: each step tells the owner (WM_NOTIFY with UDN_DELTAPOS
// and a delta of +1 or -1), which decides what the step means. A press on an arrow steps
// at once, again after the first delay (400 ms) and then at every repeat interval (50 ms)
// while the button is held, skipping the steps that fall while the pointer is off that
// arrow (the arrow then also looks released). Letting go, losing the capture, being
// disabled or destroyed ends the repeats. It never takes the focus, so the field beside
// it keeps the caret.
#include <cstdint>

#include "window/platform/core/messages.h"
#include "window/platform/core/types.h"
#include "window/platform/core/window_class.h"

namespace qor::ui {

inline constexpr const char* kUpDownClass = "UpDown";

inline constexpr uint32_t kUpDownFirstDelay = 400;     // milliseconds from the press to the second step
inline constexpr uint32_t kUpDownRepeatInterval = 50;  // milliseconds between later steps

// Notification to the owner (the parent, else the owner window): lParam an UpDownStep*.
inline constexpr uint32_t UDN_DELTAPOS = static_cast<uint32_t>(-722);

struct UpDownStep {
  NotifyHeader header;  // from: the arrows; id: their control id
  int delta = 0;        // +1 up, -1 down
};

WindowClass UpDownClassDescription();
LResult UpDownProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam);

}  // namespace qor::ui
