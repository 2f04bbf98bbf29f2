#include "window/controls/control.h"

#include <cstring>

#include "window/detail/live_objects.h"
#include "window/detail/object_reference.h"
#include "window/detail/window_object.h"
#include "window/events/queue_event.h"
#include "window/events/event_codes.h"
#include "window/events/event_queries.h"
#include "window/events/post_event.h"

namespace qor::win {

Control::Control(Window& owner, const ControlRecord& record)
    : owner_(owner), record_(record), flags_(record.flags) {
  detail::NoteLive(this);
}

Control::~Control() { detail::NoteGone(this); }

ui::Hwnd Control::OwnerHandle() const { return owner_.handle; }
ui::DialogBaseUnits Control::OwnerUnits() const { return owner_.units; }

void Control::SetHandle(ui::Hwnd handle) {
  handle_ = handle;
  if (handle) detail::StoreObjectReference(handle, this);
}

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
  if (control.Number() != 0) QueueEvent(owner, event::Selected, control.Number());
}

}  // namespace qor::win
