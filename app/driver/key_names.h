#pragma once
// Key names of driver scripts: Tab, Enter, Escape, Space, Backspace, Delete, Insert,
// Home, End, PageUp, PageDown, Up, Down, Left, Right, F1..F12, A..Z, 0..9, each
// optionally after "Shift+", "Ctrl+" and "Alt+" in any order, each modifier at most
// once; without regard to case.
#include <optional>
#include <string_view>

#include "app/driver/script_command.h"

namespace qor::app::drv {

std::optional<KeyChord> ParseKeyName(std::string_view name);

}  // namespace qor::app::drv
