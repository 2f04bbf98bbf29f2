#pragma once
// The `prop` command's reading: a property of the window (control 0) or of a control, as
// the window runtime's property read gives it, and the property's number as printed.
#include <cstdint>
#include <optional>
#include <string>

namespace qor::win {
struct Window;
}

namespace qor::app::drv {

// The value as text, as the property read answers it (a number in decimal; the empty
// text for a missing control or an unknown number); nullopt without a window.
std::optional<std::string> PropertyText(win::Window* window, int32_t control, uint32_t property);
// Four upper-case hex digits ("7C12").
std::string PropertyName(uint32_t property);

}  // namespace qor::app::drv
