// Names of the outcomes of a property set.
#include "window/properties/property_result.h"

namespace qor::win {

std::string_view PropertyResultName(PropertyResult result) {
  switch (result) {
    case PropertyResult::kDone: return "done";
    case PropertyResult::kNoControl: return "no control";
    case PropertyResult::kUnknown: return "unknown";
    case PropertyResult::kWrongKind: return "wrong kind";
    case PropertyResult::kBadValue: return "bad value";
  }
  return "unknown";
}

}  // namespace qor::win
