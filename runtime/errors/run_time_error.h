#pragma once
// The fatal run-time error report: shows the report and ends the process (exit code 2
// on the orderly path). Never returns.
#include <cstdint>

namespace qor::rt {

[[noreturn]] void RunTimeError(int32_t code, const char* additionalText = nullptr);

}  // namespace qor::rt
