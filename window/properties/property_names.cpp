// The one table of property names.
#include "window/properties/property_names.h"

#include "os/ascii_case.h"
#include "window/properties/property_numbers.h"

namespace qor::win {
namespace {

constexpr PropertyName kNames[] = {
    {"PARENT", prop::kParent},
    {"REPEAT", prop::kRepeatInterval},
    {"DELAY", prop::kRepeatDelay},
    {"AUTOWIDTH", prop::kAutoWidth},
    {"AUTOHEIGHT", prop::kAutoHeight},
    {"TEXT", prop::kText},
    {"TYPE", prop::kType},
    {"XPOS", prop::kX},
    {"YPOS", prop::kY},
    {"WIDTH", prop::kWidth},
    {"HEIGHT", prop::kHeight},
    {"CENTER", prop::kCentred},
    {"CENTEROFFSET", prop::kCentredOffset},
    {"LEFT", prop::kLeft},
    {"LEFTOFFSET", prop::kLeftOffset},
    {"DECIMAL", prop::kDecimal},
    {"DECIMALOFFSET", prop::kDecimalOffset},
    {"RIGHT", prop::kRight},
    {"RIGHTOFFSET", prop::kRightOffset},
    {"FONTNAME", prop::kFontFace},
    {"FONTSIZE", prop::kFontSize},
    {"FONTCOLOR", prop::kFontColour},
    {"FLAG2000", prop::kFlag2000},
    {"FLAG1", prop::kFlag1},
    {"IMM", prop::kImmediate},
    {"SKIP", prop::kSkip},
    {"TIMER", prop::kTimer},
    {"FLAG1000", prop::kFlag1000},
    {"RECREATE", prop::kRecreate},
    {"BEHIND", prop::kBehind},
    {"COMPLETING", prop::kCompleting},
    {"PROCEDURE", prop::kProcedure},
    {"ALERTKEY", prop::kAlertKey},
};

std::string_view Trimmed(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

int32_t PropertyNumberOfName(std::string_view name) {
  std::string_view given = Trimmed(name);
  for (const PropertyName& entry : kNames) {
    if (os::SameIgnoringCase(entry.name, given)) return entry.number;
  }
  return 0;
}

std::span<const PropertyName> AllPropertyNames() { return kNames; }

}  // namespace qor::win
