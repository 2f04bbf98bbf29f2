#include "window/controls/control.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "window/controls/control_placement.h"
#include "window/controls/control_tips.h"
#include "window/controls/control_window.h"
#include "window/detail/live_objects.h"
#include "window/detail/object_reference.h"
#include "window/detail/window_object.h"
#include "window/events/event_codes.h"
#include "window/events/event_queries.h"
#include "window/events/post_event.h"
#include "window/events/queue_event.h"
#include "window/platform/core/invalidation.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window_attributes.h"
#include "window/properties/property_numbers.h"
#include "window/properties/timing_values.h"

namespace qor::win {
namespace {

std::string ShownText(const ControlRecord& record) {
  if (record.text.starts_with('~') && !record.altText.empty()) return record.altText;
  return record.text;
}

}  // namespace

Control::Control(Window& owner, const ControlRecord& record)
    : owner_(owner),
      record_(record),
      flags_(record.flags),
      text_(ShownText(record)),
      tip_(record.help),
      font_(ResolveControlFont(owner.record, record)),
      position_(record.at),
      autoWidth_(record.at.width == layout::kNotGiven),
      autoHeight_(record.at.height == layout::kNotGiven),
      repeatDelayMs_(RepeatMillisecondsFromHundredths(record.repeatDelay)),
      repeatIntervalMs_(RepeatMillisecondsFromHundredths(record.repeatInterval)) {
  detail::NoteLive(this);
}

Control::~Control() { detail::NoteGone(this); }

ui::Hwnd Control::OwnerHandle() const { return owner_.handle; }
ui::DialogBaseUnits Control::OwnerUnits() const { return owner_.units; }

void Control::SetHandle(ui::Hwnd handle) {
  handle_ = handle;
  if (handle) detail::StoreObjectReference(handle, this);
}

void Control::SetText(std::string text) {
  text_ = std::move(text);
  Changed(ControlChange::kText);
}

void Control::SetTip(std::string tip) {
  tip_ = std::move(tip);
  Changed(ControlChange::kTip);
}

void Control::SetFont(ControlFont font) {
  font_ = std::move(font);
  platformFont_ = nullptr;
  Changed(ControlChange::kFont);
}

const ui::FontHandle& Control::PlatformFont() {
  if (!platformFont_) platformFont_ = ui::CreatePointFont(font_.face, font_.points, font_.weight, false);
  return platformFont_;
}

void Control::SetPosition(const Placement& position) {
  if (position.width != position_.width) autoWidth_ = position.width == layout::kNotGiven;
  if (position.height != position_.height) autoHeight_ = position.height == layout::kNotGiven;
  position_ = position;
  Changed(ControlChange::kPlacement);
}

void Control::SetAutoSize(bool width, bool height) {
  autoWidth_ = width;
  autoHeight_ = height;
  Changed(ControlChange::kPlacement);
}

void Control::SetFlags(uint32_t flags) {
  uint32_t was = flags_;
  flags_ = flags;
  if ((was ^ flags) & prop::kFlagJustifyMask) Changed(ControlChange::kJustification);
  if ((was ^ flags) & ~prop::kFlagJustifyMask) Changed(ControlChange::kFlags);
}

void Control::SetJustifyOffset(int32_t offset) {
  justifyOffset_ = offset;
  Changed(ControlChange::kJustification);
}

uint32_t Control::AlertKey(int32_t slot) const {
  for (const auto& [at, key] : alertKeys_) {
    if (at == slot) return key;
  }
  return 0;
}

void Control::SetAlertKey(int32_t slot, uint32_t keyCode) {
  keyCode &= prop::kKeyValueBits;
  auto held = std::find_if(alertKeys_.begin(), alertKeys_.end(), [&](const auto& each) { return each.first == slot; });
  if (held != alertKeys_.end()) alertKeys_.erase(held);
  if (keyCode != 0) alertKeys_.emplace_back(slot, keyCode);
}

bool Control::IsAlertKey(uint32_t keyCode) const {
  keyCode &= prop::kKeyValueBits;
  return keyCode != 0 && std::any_of(alertKeys_.begin(), alertKeys_.end(),
                                     [&](const auto& each) { return each.second == keyCode; });
}

void Control::SetState(uint32_t state) {
  if (state == state_) return;
  state_ = state;
  Changed(ControlChange::kState);
}

void Control::SetDisabled(bool disabled) {
  disabled_ = disabled;
  if (handle_) ui::EnableWindow(handle_, !disabled);
}

void Control::SetHidden(bool hidden) {
  hidden_ = hidden;
  if (handle_) ui::ShowWindow(handle_, hidden ? ui::SW_HIDE : ui::SW_SHOW);
}

void Control::SetRepeatDelayMs(int32_t milliseconds) {
  repeatDelayMs_ = milliseconds;
  Changed(ControlChange::kRepeat);
}

void Control::SetRepeatIntervalMs(int32_t milliseconds) {
  repeatIntervalMs_ = milliseconds;
  Changed(ControlChange::kRepeat);
}

void Control::Changed(ControlChange what) {
  if (!handle_) return;
  switch (what) {
    case ControlChange::kText:
      ui::SetWindowText(handle_, text_);
      if (autoWidth_ || autoHeight_) PlaceControl(*this);
      break;
    case ControlChange::kFont:
      ui::SendMessage(handle_, ui::WM_SETFONT, reinterpret_cast<ui::WParam>(PlatformFont().get()), 1);
      if (autoWidth_ || autoHeight_) PlaceControl(*this);
      break;
    case ControlChange::kPlacement:
      PlaceControl(*this);
      break;
    case ControlChange::kFlags:
      ApplyTabStop(*this);
      break;
    case ControlChange::kJustification:
    case ControlChange::kState:
      ui::InvalidateRect(handle_, nullptr, true);
      break;
    case ControlChange::kTip:
      UpdateControlTip(*this);
      break;
    case ControlChange::kRepeat:
      break;
  }
}

bool Control::Recreate() { return RecreateControlWindow(*this); }

void* Control::UseAddress() const { return binding_ ? binding_->address : nullptr; }
uint8_t Control::UseType() const { return binding_ ? binding_->typeCode : 0; }
uint32_t Control::UseSize() const { return binding_ ? binding_->size : 0; }

bool Control::VariableChanged() const {
  if (!binding_) return false;
  if (!binding_->shown) return true;
  return std::memcmp(binding_->address, binding_->lastShown.data(), binding_->size) != 0;
}

void Control::Redisplay() {
  Display();
  if (!binding_) return;
  const auto* bytes = static_cast<const uint8_t*>(binding_->address);
  binding_->lastShown.assign(bytes, bytes + binding_->size);
  binding_->shown = true;
}

// Declared with the other event queries; it reads the focused control's number.
int32_t FocusControl() {
  Window* active = ActiveWindow();
  return active && active->focus ? active->focus->Number() : 0;
}

void ReportFocusGained(Control& control) {
  Window& owner = control.Owner();
  owner.focus = &control;
  if (control.Number() != 0 && !owner.quietFocus) QueueEvent(owner, event::Selected, control.Number());
}

}  // namespace qor::win
