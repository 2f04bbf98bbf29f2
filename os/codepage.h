#pragma once
// The two 8-bit character sets the runtime deals in: the ANSI set (code page 1252),
// in which texts are kept, and the OEM set (code page 437), in which older
// configuration files may be written.
#include <cstdint>

namespace qor::os {

// The Unicode character an ANSI or OEM byte stands for. Bytes below 128 are ASCII;
// the five unassigned ANSI bytes stand for the control characters of the same number.
char32_t AnsiToUnicode(uint8_t ansi);
char32_t OemToUnicode(uint8_t oem);

// The ANSI byte for a Unicode character, or 0 when the set has none.
uint8_t UnicodeToAnsi(char32_t c);

// Converts one byte between the sets. A character the target set lacks becomes the
// nearest look-alike (box lines become "+", "-" or "|", Greek letters Latin ones),
// or "?" when there is none.
uint8_t OemToAnsi(uint8_t oem);
uint8_t AnsiToOem(uint8_t ansi);

}  // namespace qor::os
