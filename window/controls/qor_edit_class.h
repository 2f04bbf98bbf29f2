#pragma once
// The QorEdit class of the entry and spin kinds: the system "Edit" field with the
// runtime's procedure on top. It is registered once, on first use, from the field's own
// description: the field's procedure stays the default handling, double clicks stay on,
// and one pointer-sized slot after the field's storage holds the control object. A
// missing "Edit" class raises internal error 03 (503).
#include <cstdint>

#include "window/platform/core/types.h"

namespace qor::win {

class EntryControl;

inline constexpr const char* kQorEditClass = "QorEdit";

// Registers the class unless it is registered; raises 503 when "Edit" cannot be found.
void RegisterQorEditClass();
// The field's own handling, for what the entry leaves to it.
ui::LResult CallEditCore(ui::Hwnd hwnd, uint32_t message, ui::WParam wParam, ui::LParam lParam);
// Stores the control object in the field's slot (null detaches it).
void AttachEntry(ui::Hwnd hwnd, EntryControl* entry);

}  // namespace qor::win
