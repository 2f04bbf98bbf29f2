#pragma once
// The application-wide icon: set by the application frame when it has one; every window
// whose definition names no icon shows a copy of it.
#include "window/platform/core/types.h"

namespace qor::win {

// Keeps the handle (the caller keeps the icon alive); None forgets it.
void SetApplicationIcon(ui::IconHandle icon);
ui::IconHandle ApplicationIcon();
// A copy of the application icon for a window class to own; None when none is set.
ui::IconHandle CopyApplicationIcon();

}  // namespace qor::win
