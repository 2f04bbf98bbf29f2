#include "window/accept/select_control.h"

#include "window/controls/control.h"
#include "window/detail/window_object.h"
#include "window/events/event_codes.h"
#include "window/events/event_queries.h"
#include "window/events/post_event.h"
#include "window/events/queue_event.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window_attributes.h"

namespace qor::win {
namespace {

// Shown and enabled; a control without a platform window counts as both.
bool Available(const Control& control) {
  if (!control.Handle()) return true;
  return ui::IsWindowVisible(control.Handle()) && ui::IsWindowEnabled(control.Handle());
}

size_t IndexOf(const Window& window, int32_t number) {
  for (size_t i = 0; i < window.controls.size(); ++i) {
    if (window.controls[i]->Number() == number) return i;
  }
  return window.controls.size();
}

// Texts and group boxes take no input: selecting one goes on to the next control.
bool TakesInput(const Control& control) {
  return !(ui::SendMessage(control.Handle(), ui::WM_GETDLGCODE, 0, 0) & ui::DLGC_STATIC);
}

// Focuses the control at `from`, or the next one in list order that takes the focus.
Control* FocusFrom(Window& window, size_t from) {
  for (size_t i = from; i < window.controls.size(); ++i) {
    Control& control = *window.controls[i];
    if (!control.Handle() || !Available(control) || !TakesInput(control)) continue;
    // A control that has the focus already is selected all the same.
    if (ui::GetFocus() == control.Handle()) {
      ReportFocusGained(control);
      return &control;
    }
    ui::SetFocus(control.Handle());
    if (ui::GetFocus() == control.Handle()) return &control;
  }
  return nullptr;
}

void Select(Window& window, size_t index, int32_t first, int32_t last) {
  window.completing = false;
  Control& control = *window.controls[index];
  control.SetSelection(first, last);
  Control* focused = FocusFrom(window, index);
  window.selecting = focused ? focused->Number() : control.Number();
}

}  // namespace

void SelectControl(int32_t number, int32_t first, int32_t last) {
  Window* window = TargetWindow();
  if (!window || !window->IsOpen()) return;
  if (number == 0) {
    window->completing = true;
    window->completionNext = 0;
    return;
  }
  if (window->completing && number != EventControl()) return;
  size_t index = IndexOf(*window, number);
  if (index == window->controls.size()) {
    window->completing = false;
    return;
  }
  Select(*window, index, first, last);
}

bool AdvanceCompletionPass(Window& window) {
  for (size_t i = window.completionNext; i < window.controls.size(); ++i) {
    Control& control = *window.controls[i];
    if (!control.HasUse() || !Available(control)) continue;
    window.completionNext = i + 1;
    if (!control.ContentsValid()) {
      Select(window, i, 0, 0);
      return !window.queue.Empty();
    }
    QueueEvent(window, event::Accepted, control.Number());
    return true;
  }
  window.completing = false;
  QueueEvent(window, event::Completed, 0);
  return true;
}

}  // namespace qor::win
