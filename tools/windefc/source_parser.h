#pragma once
// Reading the readable window-definition source into native records.
//
//   definition "kzt_asm$KZT_A001"
//   window "P1$WINDOW" flags 0x800 size 531 295 font "Arial" points 8 timer 500 {
//     prompt 1 at 206 13 text "Hihgest BYTE to lowest BYTE"
//     spin 10 at 87 26 size 54 10 use ulong 4 picture "n_10" range -9999999999 9999999999
//     group 30 at 86 52 size 438 14 text "Number" {
//       button 31 at 87 54 size 17 10 flags 0x4000 text "0"
//     }
//   }
//
// A control is its kind and field number followed by attributes; it ends where the next
// control (or a closing brace) begins, so it may run over several lines. docs/
// windows-definitions.md lists every kind and attribute.
#include <optional>
#include <string>
#include <string_view>

#include "window/definition/records.h"

namespace qor::tool::windefc {

struct ParseResult {
  std::optional<win::WindowDefinition> definition;
  std::string error;  // what is wrong, empty on success
  int errorLine = 0;
};

ParseResult ParseDefinitionSource(std::string_view source);

// The stored +77 word a field gets unless its source says otherwise: 1 for a variable of
// a numeric type (codes below 18), 0 for a string.
uint32_t DefaultNumericWord(const win::ControlRecord& control);

}  // namespace qor::tool::windefc
