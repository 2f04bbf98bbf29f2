#pragma once
// The demonstration of the windowing core: a main window with push buttons, a group box,
// static texts in three alignments and a text turned 90 degrees, and a message dialog
// (modal, with an icon and OK) that its first button opens. The same windows are shown
// on the desktop and rendered headless for the visual tests.
#include <cstdint>

#include "window/platform/core/types.h"

namespace qor::tool {

inline constexpr intptr_t kMessageButton = 101;
inline constexpr intptr_t kBeepButton = 102;
inline constexpr intptr_t kCloseButton = 103;

// Registers the demonstration's window classes (and the system's); false on failure.
bool RegisterDemoClasses();
// The main window, centred on the screen and shown; null on failure. Destroying it ends
// the thread's message loop (WM_QUIT 0).
ui::Hwnd CreateDemoWindow();

}  // namespace qor::tool
