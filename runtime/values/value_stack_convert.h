#pragma once
// Numbers through the value stack: pushing LONG, REAL and BOOL as text, and popping
// a text as a decimal, LONG, REAL, truth value or a copy of its characters.
#include <cstdint>
#include <string>

namespace qor::rt {

void StrPushLongText(int32_t value);  // inline
void StrPushRealText(double value);   // 14 significant digits, inline
void StrPushBoolText(int32_t value);  // "1" or the empty string
// An owned copy of the 80-character error text (ERROR, blank padded).
void StrPushErrorText();

// At most 99 characters of the text are read as a decimal and pushed on the
// decimal stack; pops.
void StrPopIntoDecimal();
// The same, then the decimal popped as a LONG.
int32_t StrPopAsLong();
// Trailing blanks removed, at most 39 characters converted as a floating number.
double StrPopIntoReal();
// 1 if anything but blanks is left after removing trailing blanks, else 0.
int32_t StrPopAsTruth();
// A copy of the text, as it is (blanks kept); empty when the stack is empty.
std::string StrPopString();

}  // namespace qor::rt
