#pragma once
// The check an entry field makes before it stores typed text. Text is refused when
//  - a numeric picture meets a character other than digits, blanks, its own grouping
//    character, its decimal character (only when it has decimal places) and its currency
//    characters, or a sign it has no cell for;
//  - the number has more integer digits or decimal places than the picture;
//  - the number does not fit the variable's type (BYTE 0 to 255, LONG, ULONG 0 to
//    4294967295, ...) or a spin box's limits;
//  - a date or time picture reads a non-blank text as no date (0) or no time (-1).
// A refusal gives the position of the first bad character, else of the first digit.
// A string picture on a STRING or CSTRING variable takes the text as typed, up to the
// picture's width.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/pictures/picture.h"

namespace qor::win {

struct AcceptTarget {
  uint8_t typeCode = 0;
  uint32_t size = 0;
  bool limited = false;  // a spin box's limits apply
  double low = 0;
  double high = 0;
};

struct AcceptResult {
  bool accepted = false;
  size_t badPosition = 0;  // zero-based character position, when refused
  std::string value;       // when accepted: what to store
};

AcceptResult CheckTypedText(const rt::CompiledPicture& picture, std::string_view typed, const AcceptTarget& target);

}  // namespace qor::win
