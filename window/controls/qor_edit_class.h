#pragma once
// The QorEdit class of the entry and spin kinds: the system "Edit" field with the
// runtime's procedure on top (control_class.h builds it: the field's procedure stays the
// default handling, double clicks stay on, one slot after the field's storage holds the
// control object; a missing "Edit" class raises 503). The procedure gives each message
// to the entry first and the rest to the field, so there is one editor.
#include <cstdint>

#include "window/controls/control_class.h"
#include "window/platform/core/types.h"

namespace qor::win {

inline constexpr const char* kQorEditClass = "QorEdit";

const ControlClass& QorEditClass();
// The field's own handling, for what the entry leaves to it.
ui::LResult CallEditCore(ui::Hwnd hwnd, uint32_t message, ui::WParam wParam, ui::LParam lParam);
// Forgets the control a field holds, before the control goes.
void DetachEntry(ui::Hwnd hwnd);

}  // namespace qor::win
