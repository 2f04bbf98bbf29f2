// The base handler of control properties.
#include "window/property_access/control_property_handler.h"

#include "window/controls/control.h"
#include "window/properties/flag_properties.h"
#include "window/properties/property_numbers.h"
#include "window/property_access/control_relations.h"
#include "window/property_access/property_values.h"

namespace qor::win {
namespace {

PropertyResult SetPlacement(Control& control, int32_t number, int64_t value) {
  int32_t units = 0;
  if (!PlacementValue(value, units)) return PropertyResult::kBadValue;
  Placement at = control.Position();
  PlacementField(at, number) = units;
  control.SetPosition(at);
  return PropertyResult::kDone;
}

PropertyResult SetAutoSize(Control& control, int32_t number, int64_t value) {
  bool on = value != 0;
  if (number == prop::kAutoWidth) control.SetAutoSize(on, control.AutoHeight());
  else control.SetAutoSize(control.AutoWidth(), on);
  return PropertyResult::kDone;
}

// The offset forms: the justification of the number before, at that offset.
bool IsJustifyOffset(int32_t number) {
  return number == prop::kCentredOffset || number == prop::kLeftOffset || number == prop::kDecimalOffset ||
         number == prop::kRightOffset;
}

PropertyResult SetJustifyOffset(Control& control, int32_t number, int64_t value) {
  int32_t offset = 0;
  if (!FitsInt32(value, offset)) return PropertyResult::kBadValue;
  uint32_t flags = control.Flags();
  SetFlagProperty(flags, number - 1, 1);
  control.SetFlags(flags);
  control.SetJustifyOffset(offset);
  return PropertyResult::kDone;
}

int64_t JustifyOffsetRead(const Control& control, int32_t number) {
  int64_t selected = 0;
  GetFlagProperty(control.Flags(), number - 1, selected);
  return selected != 0 ? control.JustifyOffset() : 0;
}

PropertyResult SetFont(Control& control, const CheckedProperty& checked, const PropertyRequest& request) {
  ControlFont font = control.Font();
  PropertyResult result = ChangeFont(font, checked, request);
  if (result == PropertyResult::kDone && !(font == control.Font())) control.SetFont(std::move(font));
  return result;
}

PropertyResult SetFlag(Control& control, int32_t number, int64_t value) {
  uint32_t flags = control.Flags();
  SetFlagProperty(flags, number, value);
  control.SetFlags(flags);
  return PropertyResult::kDone;
}

PropertyResult SetAlertKey(Control& control, int32_t slot, int64_t value) {
  if (slot < 0 || slot >= prop::kAlertKeySlots || value < 0 || value > prop::kKeyValueBits) {
    return PropertyResult::kBadValue;
  }
  control.SetAlertKey(slot, static_cast<uint32_t>(value));
  return PropertyResult::kDone;
}

}  // namespace

PropertyResult SetCommonControlProperty(Control& control, const CheckedProperty& checked,
                                        const PropertyRequest& request) {
  int32_t number = checked.info->number;
  int64_t value = checked.integer;
  if (IsFlagProperty(number)) return SetFlag(control, number, value);
  if (IsJustifyOffset(number)) return SetJustifyOffset(control, number, value);
  switch (number) {
    case prop::kText: control.SetText(request.value); return PropertyResult::kDone;
    case prop::kX:
    case prop::kY:
    case prop::kWidth:
    case prop::kHeight: return SetPlacement(control, number, value);
    case prop::kAutoWidth:
    case prop::kAutoHeight: return SetAutoSize(control, number, value);
    case prop::kFontFace:
    case prop::kFontSize:
    case prop::kFontColour: return SetFont(control, checked, request);
    case prop::kParent: return MoveIntoContainer(control, value);
    case prop::kBehind: return PlaceBehind(control, value);
    case prop::kProcedure: return ReplaceProcedure(control, value);
    case prop::kRecreate: return RecreateInPlace(control);
    case prop::kAlertKey: return SetAlertKey(control, checked.index, value);
    default: return PropertyResult::kWrongKind;
  }
}

PropertyResult GetCommonControlProperty(const Control& control, const CheckedProperty& checked,
                                        PropertyAnswer& answer) {
  int32_t number = checked.info->number;
  int64_t value = 0;
  if (GetFlagProperty(control.Flags(), number, value)) {
    answer.SetInteger(value);
    return PropertyResult::kDone;
  }
  if (IsJustifyOffset(number)) {
    answer.SetInteger(JustifyOffsetRead(control, number));
    return PropertyResult::kDone;
  }
  switch (number) {
    case prop::kText:
    case prop::kTextAgain: answer.SetText(control.Text()); break;
    case prop::kType: answer.SetInteger(control.Type()); break;
    case prop::kX:
    case prop::kY:
    case prop::kWidth:
    case prop::kHeight: {
      Placement at = control.Position();
      answer.SetInteger(PlacementField(at, number));
      break;
    }
    case prop::kAutoWidth: answer.SetInteger(control.AutoWidth() ? 1 : 0); break;
    case prop::kAutoHeight: answer.SetInteger(control.AutoHeight() ? 1 : 0); break;
    case prop::kFontFace:
    case prop::kFontSize:
    case prop::kFontColour: AnswerFont(control.Font(), number, answer); break;
    case prop::kParent: answer.SetInteger(ContainerNumber(control)); break;
    case prop::kAlertKey: answer.SetInteger(control.AlertKey(checked.index)); break;
    default: return PropertyResult::kWrongKind;
  }
  return PropertyResult::kDone;
}

}  // namespace qor::win
