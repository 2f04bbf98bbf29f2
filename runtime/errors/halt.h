#pragma once
// HALT: ends the program with a code, optionally showing a message first.
#include <cstdint>
#include <string_view>

namespace qor::rt {

// HALT as generated code calls it, with the message on the value stack. A halt hook,
// when set, receives the code and the message stays on the stack; otherwise the
// message is popped and, unless `silent`, shown in a box titled "Halt". Then the
// files are closed and the process ends with the code.
[[noreturn]] void Halt(int32_t code, bool silent);

// The same with the message given directly (a hook, when set, gets only the code).
[[noreturn]] void HaltWithMessage(int32_t code, bool silent, std::string_view message);

}  // namespace qor::rt
