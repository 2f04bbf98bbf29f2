#pragma once
// Property calls for C++ callers (the class library, the tester): a property of a
// control (control 0: the window itself) read as a number or a text, or set, by number.
// The calls without a window act on the target window, as generated code's do, and
// raise run-time error 536 when there is none or it is closed; so do the calls given a
// closed window. A read of a missing control or an unknown number answers the empty
// text (0 as a number); a set's outcome is returned.
#include <cstdint>
#include <string>
#include <string_view>

#include "window/properties/property_answer.h"
#include "window/properties/property_result.h"

namespace qor::win {

struct Window;

PropertyAnswer ReadProperty(Window& window, int32_t control, int32_t number);
int64_t ReadPropertyInteger(Window& window, int32_t control, int32_t number);
std::string ReadPropertyText(Window& window, int32_t control, int32_t number);
PropertyResult WriteProperty(Window& window, int32_t control, int32_t number, int64_t value);
PropertyResult WriteProperty(Window& window, int32_t control, int32_t number, std::string_view value);

// The same on the target window.
int64_t ReadPropertyInteger(int32_t control, int32_t number);
std::string ReadPropertyText(int32_t control, int32_t number);
PropertyResult WriteProperty(int32_t control, int32_t number, int64_t value);
PropertyResult WriteProperty(int32_t control, int32_t number, std::string_view value);

// With an index as generated code gives one: an index n of 1 or more folds into a
// number below 0x7D00 and addresses entry n - 1 of one from 0x7D00 up.
int64_t ReadPropertyInteger(int32_t control, int32_t number, int32_t index);
PropertyResult WriteProperty(int32_t control, int32_t number, int32_t index, int64_t value);

}  // namespace qor::win
