#pragma once
// The stock icons, drawn by the system itself at 32 and 16 pixels: stop (a red disc with
// a white cross), question (a speech bubble with a blue question mark), exclamation (a
// yellow triangle with a black exclamation mark), information (a speech bubble with a
// blue "i") and the application (a small window). A program's own icons are resources of
// its module: the bytes of an icon file, stored under the group-icon resource type.
#include <cstdint>

#include "os/module.h"
#include "window/platform/core/styles.h"
#include "window/platform/resources/icon.h"

namespace qor::ui {

// The number of the program's own icon, which every window of the runtime shows unless
// its definition names another. A program without that resource shows the application
// icon.
inline constexpr uint16_t kProgramIconId = 32523;

// A null module asks for a stock icon (the same handle every time; None for a number
// that names none). Otherwise the module's icon resource of that name or number, read
// anew (free it with DestroyIcon); None when there is none or it cannot be read.
IconHandle LoadIcon(os::ModuleHandle module, const os::ResourceId& name);

}  // namespace qor::ui
