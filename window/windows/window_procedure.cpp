#include "window/windows/window_procedure.h"

#include "window/classes/session_refusal.h"
#include "window/classes/window_lookup.h"
#include "window/controls/control.h"
#include "window/controls/control_colours.h"
#include "window/controls/control_tips.h"
#include "window/detail/object_reference.h"
#include "window/detail/window_object.h"
#include "window/events/event_codes.h"
#include "window/events/queue_event.h"
#include "window/events/runtime_messages.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/windows/window_timer.h"

namespace qor::win {
namespace {

void Attach(ui::Hwnd hwnd, ui::LParam lParam) {
  const auto* params = reinterpret_cast<const ui::CreateParams*>(lParam);
  auto* window = static_cast<Window*>(params->param);
  ui::SetWindowExtra(hwnd, 0, reinterpret_cast<intptr_t>(window));
  detail::StoreObjectReference(hwnd, window);
}

void RequestClose(Window& window) {
  if (window.focus) window.focus->StoreEdit();
  QueueEvent(window, event::CloseWindow, 0);
}

void HandCommand(ui::WParam wParam, ui::LParam lParam) {
  Control* control = WindowObjectFromHandle(ui::Hwnd::FromParam(static_cast<uintptr_t>(lParam))).control;
  if (control) control->Command(ui::HighWord(wParam));
}

// A part of a control (a spin box's arrows) tells the control's own window.
ui::LResult HandNotify(ui::WParam wParam, ui::LParam lParam) {
  const auto* header = reinterpret_cast<const ui::NotifyHeader*>(lParam);
  if (!header) return 0;
  Control* control = WindowObjectFromHandle(header->from).control;
  if (!control || !control->Handle() || control->Handle() == header->from) return 0;
  return ui::SendMessage(control->Handle(), ui::WM_NOTIFY, wParam, lParam);
}

}  // namespace

Window* WindowOfHandle(ui::Hwnd hwnd) {
  return reinterpret_cast<Window*>(ui::GetWindowExtra(hwnd, 0));
}

ui::LResult WindowProcedure(ui::Hwnd hwnd, uint32_t message, ui::WParam wParam, ui::LParam lParam) {
  if (message == ui::WM_CREATE) Attach(hwnd, lParam);
  Window* window = WindowOfHandle(hwnd);
  if (!window) return ui::DefWindowProc(hwnd, message, wParam, lParam);
  switch (message) {
    case ui::WM_CLOSE:
      RequestClose(*window);
      return 0;
    case ui::WM_TIMER:
      if (wParam != kWindowTimerId) break;
      WindowTimerExpired(*window);
      return 0;
    case ui::WM_QUERYENDSESSION:
      RefuseSessionEnd(hwnd);
      return 0;
    case QUERY_PFIELD:
      return reinterpret_cast<ui::LResult>(window);
    case ui::WM_COMMAND:
      HandCommand(wParam, lParam);
      return 0;
    case ui::WM_NOTIFY:
      if (AnswerTipRequest(lParam)) return 0;
      return HandNotify(wParam, lParam);
    case ui::WM_CTLCOLORSTATIC:
    case ui::WM_CTLCOLORBTN:
    case ui::WM_CTLCOLOREDIT:
      return AnswerControlColours(hwnd, message, wParam, lParam);
    default:
      break;
  }
  return ui::DefWindowProc(hwnd, message, wParam, lParam);
}

}  // namespace qor::win
