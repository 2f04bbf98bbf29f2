#pragma once
// The demonstration's message dialog: a modal pop-up with a caption, the information
// icon, a line of text and a default OK button.
#include "window/platform/types.h"

namespace qor::tool {

bool RegisterDemoMessageClass();
// Creates the dialog centred over `owner`; null on failure.
ui::Hwnd CreateDemoMessage(ui::Hwnd owner);

}  // namespace qor::tool
