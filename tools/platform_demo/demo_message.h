#pragma once
// The demonstration's message dialog, built from an in-memory template: a modal dialog
// with a caption, the information icon, a line of text and a default OK button.
#include <cstdint>

#include "window/platform/core/types.h"

namespace qor::tool {

// Runs the dialog over `owner` until it is closed; the EndDialog result (IDOK, IDCANCEL),
// -1 if it could not be made.
intptr_t RunDemoMessage(ui::Hwnd owner);

}  // namespace qor::tool
