// The dialog keys: Tab order, Enter, Escape and the "&" mnemonics of buttons.
#include <cctype>

#include "window/platform/core/focus.h"
#include "window/platform/core/input.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/dialogs/detail/dialog_state.h"
#include "window/platform/dialogs/dialog.h"
#include "window/platform/system_controls/button_control.h"

namespace qor::ui {

namespace {

uint32_t DialogCode(Hwnd control, const Msg* msg) {
  if (!control) return 0;
  return static_cast<uint32_t>(SendMessage(control, WM_GETDLGCODE, msg ? msg->wParam : 0,
                                           reinterpret_cast<LParam>(msg)));
}

// A control in the tab order: shown (by its own style: the dialog may still be hidden),
// enabled and a tab stop.
bool TakesFocus(Hwnd control) {
  uint32_t style = GetWindowStyle(control);
  return (style & WS_VISIBLE) && (style & WS_TABSTOP) && IsWindowEnabled(control);
}

void Command(Hwnd dialog, intptr_t id, Hwnd control) {
  WParam wParam = (static_cast<WParam>(BN_CLICKED) << 16) | (static_cast<WParam>(id) & 0xFFFF);
  SendMessage(dialog, WM_COMMAND, wParam, static_cast<LParam>(control.AsParam()));
}

// A button's id by its "&" mark; the mark is the character after a single "&" ("&&"
// is a literal ampersand).
Hwnd ButtonMarkedWith(Hwnd dialog, char typed) {
  std::optional<detail::DialogState> state = detail::FindDialog(dialog);
  if (!state) return Hwnd{};
  for (Hwnd control : state->controls) {
    if (!IsWindowVisible(control) || !IsWindowEnabled(control)) continue;
    if (!(DialogCode(control, nullptr) & DLGC_BUTTON)) continue;
    std::string text = GetWindowText(control);
    for (size_t i = 0; i + 1 < text.size(); ++i) {
      if (text[i] != '&') continue;
      if (text[i + 1] == '&') {
        ++i;
        continue;
      }
      if (std::tolower(static_cast<unsigned char>(text[i + 1])) == std::tolower(static_cast<unsigned char>(typed))) {
        return control;
      }
      break;
    }
  }
  return Hwnd{};
}

void Click(Hwnd dialog, Hwnd button) {
  if (DialogCode(button, nullptr) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
    SendMessage(button, BM_CLICK, 0, 0);
  } else {
    SetFocus(button);
    Command(dialog, GetDlgCtrlID(button), button);
  }
}

// Enter: the focused push button, else the default button (if it is there and enabled).
void PressEnter(Hwnd dialog, Hwnd focus, uint32_t code) {
  if (focus && (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
    Command(dialog, GetDlgCtrlID(focus), focus);
    return;
  }
  intptr_t id = LowWord(static_cast<uintptr_t>(SendMessage(dialog, DM_GETDEFID, 0, 0)));
  Hwnd button = GetDlgItem(dialog, id);
  if (button && !IsWindowEnabled(button)) return;
  Command(dialog, id, button);
}

bool HandleKeyDown(Hwnd dialog, const Msg& msg) {
  Hwnd focus = GetFocus();
  uint32_t code = (focus && IsChild(dialog, focus)) ? DialogCode(focus, &msg) : 0;
  if (code & DLGC_WANTALLKEYS) return false;
  switch (msg.wParam) {
    case VK_TAB: {
      if (code & DLGC_WANTTAB) return false;
      bool back = GetKeyState(VK_SHIFT) < 0;
      if (Hwnd next = GetNextDlgTabItem(dialog, IsChild(dialog, focus) ? focus : Hwnd{}, back)) SetFocus(next);
      return true;
    }
    case VK_RETURN:
      PressEnter(dialog, IsChild(dialog, focus) ? focus : Hwnd{}, code);
      return true;
    case VK_ESCAPE:
      Command(dialog, IDCANCEL, GetDlgItem(dialog, IDCANCEL));
      return true;
    default:
      return false;
  }
}

bool HandleCharacter(Hwnd dialog, const Msg& msg) {
  Hwnd focus = GetFocus();
  if (msg.message == WM_CHAR && focus && IsChild(dialog, focus) && (DialogCode(focus, &msg) & DLGC_WANTCHARS)) {
    return false;
  }
  Hwnd button = ButtonMarkedWith(dialog, static_cast<char>(msg.wParam));
  if (!button) return false;
  Click(dialog, button);
  return true;
}

}  // namespace

bool IsDialogMessage(Hwnd dialog, const Msg& msg) {
  if (!dialog || !msg.hwnd || (msg.hwnd != dialog && !IsChild(dialog, msg.hwnd))) return false;
  switch (msg.message) {
    case WM_KEYDOWN:
      return HandleKeyDown(dialog, msg);
    case WM_CHAR:
    case WM_SYSCHAR:
      return HandleCharacter(dialog, msg);
    default:
      return false;
  }
}

Hwnd GetNextDlgTabItem(Hwnd dialog, Hwnd control, bool previous) {
  std::optional<detail::DialogState> state = detail::FindDialog(dialog);
  if (!state || state->controls.empty()) return Hwnd{};
  std::vector<Hwnd> order = state->controls;
  if (previous) std::reverse(order.begin(), order.end());
  auto start = std::find(order.begin(), order.end(), control);
  size_t from = start == order.end() ? order.size() - 1 : static_cast<size_t>(start - order.begin());
  for (size_t step = 1; step <= order.size(); ++step) {
    Hwnd candidate = order[(from + step) % order.size()];
    if (IsWindow(candidate) && TakesFocus(candidate)) return candidate;
  }
  return Hwnd{};
}

}  // namespace qor::ui
