#pragma once
// Fatal diagnostics of the runtime: numbered messages for conditions that must end the
// program, such as a bad block handed to the allocator. Raising one writes
//     Error: <message>
//     <return address>        (up to 10 lines, the call chain of the caller)
//     ----------------------------------   (34 dashes)
// to the trace log, then raises run-time error 0 with the message. It never returns.
#include <string_view>

namespace qor::rt {

// The allocator's diagnostics that this runtime raises, by number.
enum class Diagnostic : int {
  kCorruptBlock = 0,     // an unknown tag in front of a block that is freed
  kOutOfFreeSpace = 1,   // no free-list descriptor for a freed block
  kFreedTwice = 11,      // a free block freed again
};

// The message of a diagnostic, as written to the trace log and the error report.
std::string_view DiagnosticMessage(Diagnostic diagnostic);

[[noreturn]] void FatalDiagnostic(Diagnostic diagnostic);

// The return addresses of the call chain are written in this many hexadecimal digits.
inline constexpr int kReturnAddressDigits = static_cast<int>(2 * sizeof(void*));
inline constexpr int kMaxReturnAddresses = 10;

}  // namespace qor::rt
