#pragma once
// Named window properties: values a window carries under a name, for whoever knows the
// name. Names match without regard to case. Properties go with their window.
#include <cstdint>
#include <optional>
#include <string_view>

#include "window/platform/core/types.h"

namespace qor::ui {

bool SetProp(Hwnd hwnd, std::string_view name, uintptr_t value);
// The value, or 0 when the window has no such property.
uintptr_t GetProp(Hwnd hwnd, std::string_view name);
// The value, or nothing when absent (a stored 0 is present).
std::optional<uintptr_t> FindProp(Hwnd hwnd, std::string_view name);
// Removes and returns the value (0 when absent).
uintptr_t RemoveProp(Hwnd hwnd, std::string_view name);

}  // namespace qor::ui
