#include "window/platform/dialogs/dialog.h"

#include <algorithm>
#include <map>
#include <mutex>

#include "os/thread_id.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/dialogs/detail/dialog_state.h"
#include "window/platform/draw/brush.h"
#include "window/platform/draw/system_colors.h"

namespace qor::ui {

using detail::DialogState;

namespace {

struct DialogTable {
  std::mutex mutex;
  std::map<uint32_t, DialogState> dialogs;  // by handle
};

DialogTable& Dialogs() {
  static DialogTable table;
  return table;
}

// The state of the dialog being created on this thread, until its window exists.
thread_local DialogState* creating = nullptr;

void Adopt(Hwnd hwnd) {
  if (!creating) return;
  DialogTable& table = Dialogs();
  std::lock_guard lock(table.mutex);
  table.dialogs[hwnd.value] = *creating;
  creating = nullptr;
}

void Forget(Hwnd hwnd) {
  DialogTable& table = Dialogs();
  std::lock_guard lock(table.mutex);
  table.dialogs.erase(hwnd.value);
}

LResult DialogWindowProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  if (message == WM_CREATE) Adopt(hwnd);
  std::optional<DialogState> state = detail::FindDialog(hwnd);
  LResult handled = (state && state->proc) ? state->proc(hwnd, message, wParam, lParam) : 0;
  if (message == WM_NCDESTROY) {
    Forget(hwnd);
    return 0;
  }
  return handled ? handled : DefDlgProc(hwnd, message, wParam, lParam);
}

// The control to give the focus to: the one saved, else the first in the tab order.
Hwnd FocusTarget(Hwnd dialog) {
  std::optional<DialogState> state = detail::FindDialog(dialog);
  if (state && state->savedFocus && IsChild(dialog, state->savedFocus) && IsWindowEnabled(state->savedFocus)) {
    return state->savedFocus;
  }
  return GetNextDlgTabItem(dialog, Hwnd{}, false);
}

void SaveFocus(Hwnd dialog) {
  Hwnd focus = GetFocus();
  if (focus && IsChild(dialog, focus)) detail::UpdateDialog(dialog, [&](DialogState& s) { s.savedFocus = focus; });
}

}  // namespace

namespace detail {

bool RegisterDialogClass() {
  if (GetClassInfo(kDialogClass)) return true;
  WindowClass description{kDialogClass, DialogWindowProc};
  description.background = GetSysColorBrush(COLOR_BTNFACE);
  return RegisterClass(description) || GetClassInfo(kDialogClass).has_value();
}

void BeginDialogCreation(DialogState* state) { creating = state; }

std::optional<DialogState> FindDialog(Hwnd dialog) {
  DialogTable& table = Dialogs();
  std::lock_guard lock(table.mutex);
  auto found = table.dialogs.find(dialog.value);
  if (found == table.dialogs.end()) return std::nullopt;
  return found->second;
}

bool UpdateDialog(Hwnd dialog, const std::function<void(DialogState&)>& change) {
  DialogTable& table = Dialogs();
  std::lock_guard lock(table.mutex);
  auto found = table.dialogs.find(dialog.value);
  if (found == table.dialogs.end()) return false;
  change(found->second);
  return true;
}

}  // namespace detail

LResult DefDlgProc(Hwnd dialog, uint32_t message, WParam wParam, LParam lParam) {
  switch (message) {
    case WM_CLOSE:
      SendMessage(dialog, WM_COMMAND, IDCANCEL, static_cast<LParam>(GetDlgItem(dialog, IDCANCEL).AsParam()));
      return 0;
    case WM_ACTIVATE:
      if (LowWord(wParam) == WA_INACTIVE) {
        SaveFocus(dialog);
      } else if (Hwnd target = FocusTarget(dialog)) {
        SetFocus(target);
      } else {
        SetFocus(dialog);
      }
      return 0;
    case WM_SETFOCUS:
      if (Hwnd target = FocusTarget(dialog)) SetFocus(target);
      return 0;
    case DM_GETDEFID: {
      std::optional<DialogState> state = detail::FindDialog(dialog);
      return state ? static_cast<LResult>(PackWords(static_cast<unsigned>(state->defaultId), DC_HASDEFID)) : 0;
    }
    case DM_SETDEFID:
      detail::UpdateDialog(dialog, [&](DialogState& s) { s.defaultId = static_cast<intptr_t>(wParam); });
      return 1;
    default:
      return DefWindowProc(dialog, message, wParam, lParam);
  }
}

bool EndDialog(Hwnd dialog, intptr_t result) {
  bool known = detail::UpdateDialog(dialog, [&](DialogState& s) {
    s.ended = true;
    s.result = result;
  });
  // A dialog ended from another thread: wake its loop to see it.
  if (known && GetWindowThread(dialog) != os::CurrentThreadId()) PostMessage(dialog, WM_NULL, 0, 0);
  return known;
}

DialogBaseUnits GetDialogBaseUnits(Hwnd dialog) {
  std::optional<DialogState> state = detail::FindDialog(dialog);
  return state ? state->units : DialogBaseUnits{};
}

FontHandle GetDialogFont(Hwnd dialog) {
  std::optional<DialogState> state = detail::FindDialog(dialog);
  return state ? state->font : nullptr;
}

bool MapDialogRect(Hwnd dialog, Rect* rect) {
  std::optional<DialogState> state = detail::FindDialog(dialog);
  if (!state || !rect) return false;
  *rect = DialogRectToPixels(*rect, state->units);
  return true;
}

void CenterWindowOn(Hwnd hwnd, const Rect& reference) {
  Rect window = GetWindowRect(hwnd);
  Size screen = ScreenSize();
  int x = reference.left + (reference.Width() - window.Width()) / 2;
  int y = reference.top + (reference.Height() - window.Height()) / 2;
  x = std::max(0, std::min(x, screen.cx - window.Width()));
  y = std::max(0, std::min(y, screen.cy - window.Height()));
  MoveWindow(hwnd, x, y, window.Width(), window.Height());
}

}  // namespace qor::ui
