// The common checks of property gets and sets.
#include "window/properties/property_check.h"

#include "window/properties/timing_values.h"

namespace qor::win {
namespace {

CheckedProperty Find(const PropertyRequest& request, uint8_t scope) {
  CheckedProperty checked;
  checked.info = FindProperty(request.number);
  checked.index = request.index;
  if (checked.info == nullptr) return checked;
  checked.result = (checked.info->scope & scope) != 0 ? PropertyResult::kDone : PropertyResult::kWrongKind;
  return checked;
}

}  // namespace

CheckedProperty CheckPropertySet(const PropertyRequest& request, uint8_t scope) {
  CheckedProperty checked = Find(request, scope);
  if (checked.result != PropertyResult::kDone) return checked;
  if (!checked.info->Settable()) {
    checked.result = PropertyResult::kWrongKind;
    return checked;
  }
  if (checked.info->kind == PropertyValueKind::kText) return checked;
  if (!PropertyInteger(request.value, checked.integer)) {
    checked.result = PropertyResult::kBadValue;
    return checked;
  }
  if (checked.info->scaling == PropertyScaling::kTenfold)
    checked.integer = RepeatMillisecondsFromHundredths(checked.integer);
  return checked;
}

CheckedProperty CheckPropertyGet(const PropertyRequest& request, uint8_t scope) {
  CheckedProperty checked = Find(request, scope);
  if (checked.result == PropertyResult::kDone && !checked.info->Readable()) checked.result = PropertyResult::kWrongKind;
  return checked;
}

int64_t ShownPropertyInteger(const PropertyInfo& info, int64_t kept) {
  if (info.scaling == PropertyScaling::kTenfold) return RepeatHundredthsFromMilliseconds(static_cast<int32_t>(kept));
  return kept;
}

}  // namespace qor::win
