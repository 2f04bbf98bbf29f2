#pragma once
// A window's own class: named after its module and the process-wide counter, with the
// icon and cursor its definition names (else a copy of the application icon, else the
// program's icon; the arrow cursor), per-window storage for the window object, and the
// given procedure. The class and its icon go when the window closes.
#include "window/platform/core/types.h"

namespace qor::win {

struct Window;

// Registers the class and records its name, counter and icon in the window. A failure
// is run-time error 503.
void RegisterWindowClass(Window& window, ui::WindowProc procedure);
// Removes the window's class and frees its icon (after the window is destroyed).
void UnregisterWindowClass(Window& window);

}  // namespace qor::win
