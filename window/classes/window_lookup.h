#pragma once
// Finding the runtime's own objects from platform window handles. A runtime window's
// class name begins with "Qor". Its object is found through the window's "lo_pfield" and
// "hi_pfield" properties (the low and high 32 bits of the reference) or, without them, by
// asking the window with QUERY_PFIELD; only a reference to a live object counts.
#include "window/platform/core/types.h"

namespace qor::win {

struct Window;
class Control;

struct RuntimeObject {
  Window* window = nullptr;    // the handle is a runtime window
  Control* control = nullptr;  // the handle is a control's window
  explicit operator bool() const { return window || control; }
};

// The object behind a handle; nothing for a dead or foreign handle.
RuntimeObject WindowObjectFromHandle(ui::Hwnd hwnd);
// True when the handle names a live window whose class name starts with "Qor".
bool IsRuntimeWindow(ui::Hwnd hwnd);

}  // namespace qor::win
