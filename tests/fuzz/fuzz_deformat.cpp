// Typed text read back through a picture, and the entry field's accept check of the same
// text. The input is "picture" NUL "text"; without a NUL its first byte picks one of a
// fixed set of pictures and the rest is the text. The accept check is run for a BYTE, a
// LONG spin box, a ULONG and a STRING variable; whatever it accepts must store and read
// back within the variable's range, and a refusal must point inside the text. As the
// entry field does after a store, the stored value is shown through the picture again:
// when that text passes the check it must store the very same bytes (for the fixed set
// of pictures: a numeric picture on a number, a string picture on a text), and a spin
// step from it stays within the limits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

#include "runtime/pictures/picture.h"
#include "runtime/values/variable_reference.h"
#include "tests/fuzz/fixed_year.h"
#include "window/controls/field_values/accept_check.h"
#include "window/controls/field_values/field_text.h"
#include "window/controls/field_values/spin_step.h"
#include "window/controls/field_values/variable_text.h"

namespace {

using namespace qor;

// A numeric picture on a number and a string picture on a text show exactly what they
// read back (a numeric picture on a text stores "0" and shows "0.00": the same number,
// other bytes). Pictures the fuzzer writes may not: a currency of digits ("n22~22~")
// reads its own "22" as digits, and "n17v$" shows 6012 as "60012$".
bool ShowsWhatItReads(const rt::CompiledPicture& picture, const win::AcceptTarget& target, bool fixedPicture) {
  bool text = target.typeCode == rt::kTypeString;
  if (!fixedPicture) return false;
  if (picture.Kind() == rt::PictureKind::kNumeric) return !text;
  return picture.Kind() == rt::PictureKind::kString && text;
}

void CheckShownAgain(const rt::CompiledPicture& picture, const win::AcceptTarget& target, const uint8_t* stored,
                     bool fixedPicture) {
  std::string shown = win::FieldTextOf(picture, stored, target.typeCode, target.size);
  win::AcceptResult again = win::CheckTypedText(picture, shown, target);
  if (!again.accepted) return;  // a picture too narrow for the value shows what it cannot read
  uint8_t second[16] = {};
  if (!win::StoreVariableText(second, target.typeCode, target.size, again.value)) __builtin_trap();
  bool same = std::memcmp(stored, second, target.size) == 0;
  if (ShowsWhatItReads(picture, target, fixedPicture) && !same) __builtin_trap();
  if (target.typeCode == rt::kTypeString) return;
  double value = std::strtod(win::VariableValueText(stored, target.typeCode, target.size).c_str(), nullptr);
  win::SpinRange spin = win::SpinRangeOf(target.limited ? target.low : 0, target.limited ? target.high : 0, 0);
  win::ValueRange type = win::TypeRangeOf(target.typeCode, target.size);
  for (int direction : {-1, 1}) {
    double next = win::StepSpin(value, direction, spin, type).value;
    if (next < type.low || next > type.high || (target.limited && (next < target.low || next > target.high))) {
      __builtin_trap();
    }
  }
}

void CheckAccept(const rt::CompiledPicture& picture, std::string_view text, bool fixedPicture) {
  const win::AcceptTarget targets[] = {{rt::kTypeByte, 1},
                                       {rt::kTypeLong, 4, true, 1, 1000},
                                       {rt::kTypeUlong, 4},
                                       {rt::kTypeString, 12}};
  for (const win::AcceptTarget& target : targets) {
    win::AcceptResult result = win::CheckTypedText(picture, text, target);
    if (!result.accepted) {
      if (result.badPosition > text.size()) __builtin_trap();
      continue;
    }
    uint8_t storage[16] = {};
    if (!win::StoreVariableText(storage, target.typeCode, target.size, result.value)) __builtin_trap();
    CheckShownAgain(picture, target, storage, fixedPicture);
    std::string back = win::VariableValueText(storage, target.typeCode, target.size);
    if (target.typeCode == rt::kTypeString) continue;
    double stored = std::strtod(back.c_str(), nullptr);
    if (target.limited && (stored < target.low || stored > target.high)) __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qor::rt;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  size_t split = input.find('\0');
  if (split != std::string_view::npos) {
    CompiledPicture picture = CompilePicture(input.substr(0, split));
    DeformatText(picture, input.substr(split + 1));
    CheckAccept(picture, input.substr(split + 1), false);
    return 0;
  }
  static const CompiledPicture pictures[] = {
      CompilePicture("@n-14"), CompilePicture("@n(10.2)"), CompilePicture("@n-6v2"), CompilePicture("@e12.1"),
      CompilePicture("@s20"),  CompilePicture("@P###-##P"), CompilePicture("@K###-@@@K"), CompilePicture("@D1"),
      CompilePicture("@D4"),   CompilePicture("@D8"),      CompilePicture("@D14"),     CompilePicture("@D17"),
      CompilePicture("@D18"),  CompilePicture("@T3"),      CompilePicture("@T6"),      CompilePicture("@T7"),
      CompilePicture("@T8"),   CompilePicture("@n3"),      CompilePicture("@n_10"),    CompilePicture("@n-_11")};
  if (input.empty()) return 0;
  // The first byte picks the picture.
  const CompiledPicture& picture = pictures[static_cast<uint8_t>(input[0]) % std::size(pictures)];
  DeformatText(picture, input.substr(1));
  CheckAccept(picture, input.substr(1), true);
  return 0;
}
