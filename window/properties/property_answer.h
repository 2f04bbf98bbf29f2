#pragma once
// What a property read answers: a number, which generated code receives as a LONG, or a
// text. A read that finds no control or no property answers the empty text.
#include <cstdint>
#include <string>
#include <string_view>

namespace qor::win {

struct PropertyAnswer {
  bool isText = true;
  int64_t integer = 0;
  std::string text;

  void SetInteger(int64_t value) {
    isText = false;
    integer = value;
  }
  void SetText(std::string_view value) {
    isText = true;
    text.assign(value);
  }
  // The answer as text: the number's decimal digits, or the text itself.
  std::string AsText() const { return isText ? text : std::to_string(integer); }
};

}  // namespace qor::win
