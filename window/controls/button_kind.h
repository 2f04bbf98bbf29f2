#pragma once
// The button kind (record type 9, class QorButton on the system "button"): its text and
// tip, a default button (button flag 0x10; one per window), EVENT:Accepted on a click or
// double click, immediate buttons (attribute 0x800) that post on the press and repeat on
// timer 1 while held (button_repeat.h), and flat buttons (attribute 0x4000) that are
// drawn hot while the mouse is over them, watched by timer 0x527 every 20 ms.
#include <cstdint>
#include <memory>

#include "window/controls/control.h"

namespace qor::win {

inline constexpr uintptr_t kRepeatTimerId = 1;
inline constexpr uintptr_t kHoverTimerId = 0x527;
inline constexpr uint32_t kHoverTimerMs = 20;
inline constexpr uint32_t kDefaultButtonFlag = 0x10;  // the record's button flag word

std::unique_ptr<Control> MakeButton(Window& owner, const ControlRecord& record);

// Makes `button` its window's default button (it may be null: no default); the one
// before loses the mark.
void SetDefaultButton(Window& window, Control* button);

}  // namespace qor::win
