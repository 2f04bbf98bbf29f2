// A window's own properties.
#include "window/property_access/window_property_handler.h"

#include "window/controls/control.h"
#include "window/detail/window_object.h"
#include "window/platform/core/invalidation.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/dialogs/dialog_units.h"
#include "window/properties/property_numbers.h"
#include "window/property_access/property_values.h"
#include "window/windows/window_timer.h"

namespace qor::win {
namespace {

// The window's place as last given, with what the definition left out measured.
Placement CurrentPlacement(const Window& window) {
  Placement at = window.record.at;
  ui::Rect frame = ui::GetWindowRect(window.handle);
  ui::Rect client = ui::GetClientRect(window.handle);
  if (at.x == layout::kNotGiven) at.x = ui::PixelsToDialogUnitsX(frame.left, window.units);
  if (at.y == layout::kNotGiven) at.y = ui::PixelsToDialogUnitsY(frame.top, window.units);
  if (at.width == layout::kNotGiven) at.width = ui::PixelsToDialogUnitsX(client.Width(), window.units);
  if (at.height == layout::kNotGiven) at.height = ui::PixelsToDialogUnitsY(client.Height(), window.units);
  return at;
}

void PlaceWindow(Window& window, const Placement& at) {
  ui::Rect insets = ui::FrameInsets(ui::GetWindowStyle(window.handle));
  ui::MoveWindow(window.handle, ui::DialogUnitsToPixelsX(at.x, window.units),
                 ui::DialogUnitsToPixelsY(at.y, window.units),
                 ui::DialogUnitsToPixelsX(at.width, window.units) + insets.left + insets.right,
                 ui::DialogUnitsToPixelsY(at.height, window.units) + insets.top + insets.bottom);
}

PropertyResult SetPlacement(Window& window, int32_t number, int64_t value) {
  int32_t units = 0;
  if (!PlacementValue(value, units) || units == layout::kNotGiven) return PropertyResult::kBadValue;
  Placement at = CurrentPlacement(window);
  PlacementField(at, number) = units;
  window.record.at = at;
  PlaceWindow(window, at);
  return PropertyResult::kDone;
}

ControlFont WindowFont(const Window& window) { return ResolveControlFont(window.record, ControlRecord{}); }

PropertyResult SetFont(Window& window, const CheckedProperty& checked, const PropertyRequest& request) {
  ControlFont font = WindowFont(window);
  PropertyResult result = ChangeFont(font, checked, request);
  if (result != PropertyResult::kDone) return result;
  window.record.font = FontRecord{font.face, font.points, static_cast<uint32_t>(font.colour), font.weight};
  window.font = ui::CreatePointFont(font.face, font.points, font.weight, false);
  ui::InvalidateRect(window.handle, nullptr, true);
  return PropertyResult::kDone;
}

PropertyResult SetTimer(Window& window, int64_t value) {
  int32_t hundredths = 0;
  if (!FitsInt32(value, hundredths)) return PropertyResult::kBadValue;
  SetWindowTimer(window, hundredths);
  return PropertyResult::kDone;
}

}  // namespace

PropertyResult SetWindowProperty(Window& window, const CheckedProperty& checked, const PropertyRequest& request) {
  int32_t number = checked.info->number;
  switch (number) {
    case prop::kText:
      window.record.title = request.value;
      ui::SetWindowText(window.handle, window.record.title);
      return PropertyResult::kDone;
    case prop::kX:
    case prop::kY:
    case prop::kWidth:
    case prop::kHeight: return SetPlacement(window, number, checked.integer);
    case prop::kFontFace:
    case prop::kFontSize:
    case prop::kFontColour: return SetFont(window, checked, request);
    case prop::kTimer: return SetTimer(window, checked.integer);
    default: return PropertyResult::kWrongKind;
  }
}

PropertyResult GetWindowProperty(Window& window, const CheckedProperty& checked, PropertyAnswer& answer) {
  int32_t number = checked.info->number;
  switch (number) {
    case prop::kText:
    case prop::kTextAgain: answer.SetText(ui::GetWindowText(window.handle)); break;
    case prop::kX:
    case prop::kY:
    case prop::kWidth:
    case prop::kHeight: {
      Placement at = CurrentPlacement(window);
      answer.SetInteger(PlacementField(at, number));
      break;
    }
    case prop::kFontFace:
    case prop::kFontSize:
    case prop::kFontColour: AnswerFont(WindowFont(window), number, answer); break;
    case prop::kTimer: answer.SetInteger(WindowTimer(window)); break;
    case prop::kCompleting: answer.SetInteger(window.completing ? 1 : 0); break;
    default: return PropertyResult::kWrongKind;
  }
  return PropertyResult::kDone;
}

}  // namespace qor::win
