// The spin kind: an entry field and its arrows.
#include "window/controls/spin_control.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "window/controls/control_events.h"
#include "window/controls/qor_edit_class.h"
#include "window/controls/field_values/variable_text.h"
#include "window/detail/object_reference.h"
#include "window/events/event_codes.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/system_controls/edit_control.h"
#include "window/platform/system_controls/updown_control.h"

namespace qor::win {
namespace {

// The arrows take a strip at the right as wide as three quarters of the height.
int ArrowsWidth(const ui::Rect& at) { return std::max(8, (at.bottom - at.top) * 3 / 4); }

// A value as the store reads it: whole numbers without a point.
std::string ValueText(double value) {
  char buffer[64];
  if (std::nearbyint(value) == value && std::fabs(value) < 1e18) {
    std::snprintf(buffer, sizeof buffer, "%.0f", value);
  } else {
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
  }
  return buffer;
}

}  // namespace

int ListStep(int index, int count, int direction) {
  if (count <= 0) return -1;
  if (index < 0) return direction > 0 ? count - 1 : 0;
  return std::clamp(index + (direction > 0 ? -1 : 1), 0, count - 1);
}

SpinControl::SpinControl(Window& owner, const ControlRecord& record)
    : EntryControl(owner, record), range_(SpinRangeOf(record.low, record.high, record.step)) {}

SpinControl::~SpinControl() {
  if (arrows_ && ui::IsWindow(arrows_)) ui::DestroyWindow(arrows_);
}

bool SpinControl::CreateSpin() {
  if (!CreateField()) return false;
  uint32_t style = ui::WS_CHILD | (ui::GetWindowStyle(Handle()) & (ui::WS_VISIBLE | ui::WS_DISABLED));
  arrows_ = ui::CreateWindow(ui::kUpDownClass, "", style, ui::GetWindowPlacement(Handle()), OwnerHandle(), 0);
  if (!arrows_) return false;
  detail::StoreObjectReference(arrows_, static_cast<Control*>(this));
  SplitBox();
  return true;
}

void SpinControl::SplitBox() {
  ui::Rect box = ui::GetWindowPlacement(Handle());
  int fieldWidth = std::max(0, box.right - box.left - ArrowsWidth(box));
  ui::MoveWindow(Handle(), box.left, box.top, fieldWidth, box.bottom - box.top);
}

void SpinControl::Changed(ControlChange what) {
  EntryControl::Changed(what);
  if (what == ControlChange::kPlacement) SplitBox();
}

AcceptTarget SpinControl::Target() const {
  AcceptTarget target = EntryControl::Target();
  target.limited = range_.limited;
  target.low = range_.low;
  target.high = range_.high;
  return target;
}

double SpinControl::BaseValue() const {
  AcceptResult typed = CheckTypedText(Picture(), FieldText(), Target());
  if (typed.accepted) return std::strtod(typed.value.c_str(), nullptr);
  Variable shown = Shown();
  return std::strtod(VariableValueText(shown.address, shown.typeCode, shown.size).c_str(), nullptr);
}

void SpinControl::ShowChange(std::string_view value) {
  StoreValue(value);
  SetSelection(0, 0);
  PostControlEvent(*this, event::NewSelection);
}

void SpinControl::StepList(int direction) {
  auto at = std::find(list_.begin(), list_.end(), FieldText());
  int index = at == list_.end() ? -1 : static_cast<int>(at - list_.begin());
  int next = ListStep(index, static_cast<int>(list_.size()), direction);
  if (next == index) return SetSelection(0, 0);
  ShowChange(list_[static_cast<size_t>(next)]);
}

void SpinControl::Step(int direction) {
  if (!list_.empty()) return StepList(direction);
  Variable shown = Shown();
  double base = BaseValue();
  SpinResult result = StepSpin(base, direction, range_, TypeRangeOf(shown.typeCode, shown.size));
  if (!result.changed) return SetSelection(0, 0);
  ShowChange(ValueText(result.value));
}

// The arrows follow the field when it is shown, hidden, enabled, disabled, moved or sized.
void SpinControl::FollowField(uint32_t message, ui::WParam wParam) {
  if (!arrows_) return;
  if (message == ui::WM_SHOWWINDOW) ui::ShowWindow(arrows_, wParam ? ui::SW_SHOW : ui::SW_HIDE);
  if (message == ui::WM_ENABLE) ui::EnableWindow(arrows_, wParam != 0);
  if (message == ui::WM_MOVE || message == ui::WM_SIZE) {
    ui::Rect field = ui::GetWindowPlacement(Handle());
    ui::MoveWindow(arrows_, field.right, field.top, ArrowsWidth(field), field.bottom - field.top);
  }
}

std::optional<ui::LResult> SpinControl::Message(uint32_t message, ui::WParam wParam, ui::LParam lParam) {
  switch (message) {
    case ui::WM_KEYDOWN:
      if (wParam != ui::VK_UP && wParam != ui::VK_DOWN) break;
      Step(wParam == ui::VK_UP ? 1 : -1);
      return 0;
    case ui::WM_NOTIFY: {
      const auto* step = reinterpret_cast<const ui::UpDownStep*>(lParam);
      if (!step || step->header.from != arrows_ || step->header.code != ui::UDN_DELTAPOS) break;
      if (ui::GetFocus() != Handle()) ui::SetFocus(Handle());
      Step(step->delta);
      return 0;
    }
    case ui::WM_SHOWWINDOW:
    case ui::WM_ENABLE:
    case ui::WM_MOVE:
    case ui::WM_SIZE:
      FollowField(message, wParam);
      break;
    default: break;
  }
  return EntryControl::Message(message, wParam, lParam);
}

std::unique_ptr<Control> MakeSpinControl(Window& owner, const ControlRecord& record) {
  auto spin = std::make_unique<SpinControl>(owner, record);
  return spin->CreateSpin() ? std::move(spin) : nullptr;
}

}  // namespace qor::win
