#pragma once
// The one fatal error of the value and decimal stacks: run-time error 501 with the
// added text "String Stack Error" (an unknown variable type, or a pop from a stack
// that holds too few entries).
namespace qor::rt {

inline constexpr int kStackErrorCode = 501;
inline constexpr const char* kStackErrorText = "String Stack Error";

[[noreturn]] void RaiseStackError();

}  // namespace qor::rt
