#pragma once
// The checks generated code makes call one of these; each raises the run-time error
// of its number, with no additional text, and never returns.
#include <cstdint>

namespace qor::rt {

enum class LanguageTrap : int32_t {
  StackOverflow = 401,
  NullPointer = 402,
  Signal = 403,  // user break or floating point
  ArithmeticOverflow = 404,
  VariableOutOfRange = 405,
  NoReturnValue = 406,
  NoMatchingCase = 407,
  LongDivideByZero = 408,
  IndexOutOfRange = 409,
  PureVirtualCall = 410,
};

[[noreturn]] void RaiseTrap(LanguageTrap trap);

[[noreturn]] inline void TrapStackOverflow() { RaiseTrap(LanguageTrap::StackOverflow); }
[[noreturn]] inline void TrapNullPointer() { RaiseTrap(LanguageTrap::NullPointer); }
[[noreturn]] inline void TrapSignal() { RaiseTrap(LanguageTrap::Signal); }
[[noreturn]] inline void TrapArithmeticOverflow() { RaiseTrap(LanguageTrap::ArithmeticOverflow); }
[[noreturn]] inline void TrapVariableOutOfRange() { RaiseTrap(LanguageTrap::VariableOutOfRange); }
[[noreturn]] inline void TrapNoReturnValue() { RaiseTrap(LanguageTrap::NoReturnValue); }
[[noreturn]] inline void TrapNoMatchingCase() { RaiseTrap(LanguageTrap::NoMatchingCase); }
[[noreturn]] inline void TrapLongDivideByZero() { RaiseTrap(LanguageTrap::LongDivideByZero); }
[[noreturn]] inline void TrapIndexOutOfRange() { RaiseTrap(LanguageTrap::IndexOutOfRange); }
[[noreturn]] inline void TrapPureVirtualCall() { RaiseTrap(LanguageTrap::PureVirtualCall); }

}  // namespace qor::rt
