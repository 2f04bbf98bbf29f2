#include "framework/window_manager/window_primitives.h"

#include <string>

#include "runtime/bindings/bindings.h"
#include "window/accept/accept.h"
#include "window/accept/field_updates.h"
#include "window/accept/select_control.h"
#include "window/classes/icon_names.h"
#include "window/events/event_queries.h"
#include "window/events/post_event.h"
#include "window/properties/property_numbers.h"
#include "window/properties/property_request.h"
#include "window/platform/core/input.h"
#include "window/property_access/property_calls.h"

namespace qor::fw {

uint32_t RuntimeWindowPrimitives::CurrentEvent() { return win::CurrentEvent(); }
int32_t RuntimeWindowPrimitives::EventControl() { return win::EventControl(); }
int32_t RuntimeWindowPrimitives::AcceptedControl() { return win::AcceptedControl(); }
int32_t RuntimeWindowPrimitives::FocusControl() { return win::FocusControl(); }
uint32_t RuntimeWindowPrimitives::EventKeyCode() { return win::EventKeyCode(); }
void RuntimeWindowPrimitives::SetEventKeyCode(uint32_t keyCode) { win::SetEventKeyCode(keyCode); }
void RuntimeWindowPrimitives::PostEvent(uint32_t code, int32_t control) { win::PostEvent(code, control); }
void RuntimeWindowPrimitives::SelectControl(int32_t control) { win::SelectControl(control); }

void AssignNumber(WindowPrimitives& window, int32_t control, uint32_t property, int64_t value) {
  window.AssignProperty(control, property, std::to_string(value));
}

int32_t RuntimeWindowPrimitives::FirstField() { return win::FirstFieldNumber(); }
int32_t RuntimeWindowPrimitives::LastField() { return win::LastFieldNumber(); }

int32_t RuntimeWindowPrimitives::ReadProperty(int32_t control, uint32_t property) {
  int64_t value = 0;
  if (!win::PropertyInteger(ReadPropertyText(control, property), value)) return 0;
  return static_cast<int32_t>(value);
}

// Properties of the target window, through the window runtime's property calls.
std::string RuntimeWindowPrimitives::ReadPropertyText(int32_t control, uint32_t property) {
  return win::ReadPropertyText(control, static_cast<int32_t>(property));
}
void RuntimeWindowPrimitives::AssignProperty(int32_t control, uint32_t property, std::string_view value) {
  win::WriteProperty(control, static_cast<int32_t>(property), value);
}

void RuntimeWindowPrimitives::DisplayControl(int32_t control) { win::DisplayFields(control); }
void RuntimeWindowPrimitives::UpdateControl(int32_t control) { win::UpdateFields(control); }

// The alert keys of a control are property 0x7D06; a window manager's is index 255.
void RuntimeWindowPrimitives::SetAlertKey(int32_t control, int32_t keyCode) {
  constexpr int32_t kWindowManagerAlertIndex = 255;
  win::WriteProperty(control, win::prop::kAlertKey, kWindowManagerAlertIndex, keyCode);
}

void RuntimeWindowPrimitives::DisplayAll() { win::DisplayFields(); }

void RuntimeWindowPrimitives::Beep(uint32_t sound) { ui::MessageBeep(sound); }

void RuntimeWindowPrimitives::ShowCursor(std::string_view name) {
  ui::CursorHandle previous = ui::SetCursor(win::CursorOrArrow(name));
  if (!cursorShown_) previousCursor_ = previous;
  cursorShown_ = true;
}

void RuntimeWindowPrimitives::RestoreCursor() {
  if (!cursorShown_) return;
  ui::SetCursor(previousCursor_);
  cursorShown_ = false;
}

void RuntimeWindowPrimitives::Accept(const std::function<TurnOutcome()>& body) {
  win::Accept([&body] {
    switch (body()) {
      case TurnOutcome::Leave: return win::kTurnLeave;
      case TurnOutcome::SkipDefault: return win::kTurnNoDefault;
      case TurnOutcome::Proceed: break;
    }
    return win::kTurnDone;
  });
}

void RuntimeWindowPrimitives::PushScope(int32_t argument) { rt::PushScope(argument); }
void RuntimeWindowPrimitives::PopScope() { rt::PopScope(); }

}  // namespace qor::fw
