#pragma once
// A child window showing its text turned 90 degrees (read from bottom to top), centred.
#include <string>

#include "window/platform/core/types.h"

namespace qor::tool {

bool RegisterTurnedTextClass();
ui::Hwnd CreateTurnedText(ui::Hwnd parent, const std::string& text, const ui::Rect& at);

}  // namespace qor::tool
