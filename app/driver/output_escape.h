#pragma once
// The escaping of every text the driver writes: bytes 20h to 7Eh stand for themselves
// except the backslash, written "\\"; every other byte is "\xHH" in upper-case hex.
#include <string>
#include <string_view>

namespace qor::app::drv {

std::string EscapeOutput(std::string_view bytes);

}  // namespace qor::app::drv
