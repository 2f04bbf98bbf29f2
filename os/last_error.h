#pragma once
// The operating system's last error, in the numbering the runtime's message table
// uses (2 file not found, 5 access denied, ...). Linux reports errno values; they are
// translated here so that everything above this layer sees one numbering.
#include <cstdint>

namespace qor::os {

// Codes the translation produces (a subset; the message table lists them all).
inline constexpr uint32_t kErrorNone = 0;
inline constexpr uint32_t kErrorUnknown = 91;  // an errno with no closer counterpart

// The current thread's errno, translated.
uint32_t LastError();
// One errno value translated; 0 stays 0, anything unmapped gives kErrorUnknown.
uint32_t ErrorFromErrno(int errnoValue);

}  // namespace qor::os
