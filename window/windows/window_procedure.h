#pragma once
// The procedure of the runtime's windows. It keeps the window object in the window's
// storage, turns a request to close into EVENT:CloseWindow (the focused control storing
// its edit first) and the window timer into EVENT:Timer, answers QUERY_PFIELD with the
// object, hands controls' commands to them (and a spin box's arrows' notices to the spin
// box's field) and refuses the end of the session.
#include <cstdint>

#include "window/platform/core/types.h"

namespace qor::win {

struct Window;

ui::LResult WindowProcedure(ui::Hwnd hwnd, uint32_t message, ui::WParam wParam, ui::LParam lParam);
// The object kept in a runtime window's storage (null for other windows).
Window* WindowOfHandle(ui::Hwnd hwnd);

}  // namespace qor::win
