// The dialog keys for any window whose loop hands its messages to IsDialogMessage: Tab
// order, arrows within a group, Enter, Escape and the "&" mnemonics.
#include <algorithm>

#include "os/ascii_case.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/input.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/dialogs/detail/keyboard_parent.h"
#include "window/platform/dialogs/dialog.h"
#include "window/platform/system_controls/button_control.h"

namespace qor::ui {

namespace {

constexpr uint32_t kPushButton = DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON;

// A control in the tab order: shown (by its own style: the dialog may still be hidden),
// enabled, a tab stop and taking input (a text or group box with the tab stop style is
// passed by).
bool TakesFocus(Hwnd control) {
  uint32_t style = GetWindowStyle(control);
  return (style & WS_VISIBLE) && (style & WS_TABSTOP) && IsWindowEnabled(control) &&
         !(detail::DialogCode(control, nullptr) & DLGC_STATIC);
}

// Within a group the arrows reach every shown, enabled control that takes input.
bool ReachableByArrow(Hwnd control) {
  return (GetWindowStyle(control) & WS_VISIBLE) && IsWindowEnabled(control) &&
         !(detail::DialogCode(control, nullptr) & DLGC_STATIC);
}

void Command(Hwnd parent, intptr_t id, Hwnd control) {
  WParam wParam = (static_cast<WParam>(BN_CLICKED) << 16) | (static_cast<WParam>(id) & 0xFFFF);
  SendMessage(parent, WM_COMMAND, wParam, static_cast<LParam>(control.AsParam()));
}

// The character a single "&" marks in a text ("&&" is a literal ampersand); 0 for none.
char MnemonicOf(const std::string& text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return text[i + 1];
    ++i;
  }
  return 0;
}

bool SameLetter(char a, char b) { return os::AsciiLower(a) == os::AsciiLower(b); }

Hwnd ControlMarkedWith(Hwnd parent, char typed) {
  for (Hwnd control : detail::ControlsInOrder(parent)) {
    if (!IsWindowVisible(control) || !IsWindowEnabled(control)) continue;
    if (SameLetter(MnemonicOf(GetWindowText(control)), typed)) return control;
  }
  return Hwnd{};
}

void FocusFromKeyboard(Hwnd control) {
  SetFocus(control);
  if (detail::DialogCode(control, nullptr) & DLGC_HASSETSEL) SendMessage(control, EM_SETSEL, 0, -1);
}

// A button's mnemonic clicks it; a text's or group's gives the focus to the control that
// follows it in the tab order.
void UseMnemonic(Hwnd parent, Hwnd control) {
  uint32_t code = detail::DialogCode(control, nullptr);
  if (code & kPushButton) {
    SendMessage(control, BM_CLICK, 0, 0);
  } else if (code & DLGC_STATIC) {
    if (Hwnd next = GetNextDlgTabItem(parent, control, false)) FocusFromKeyboard(next);
  } else if (code & DLGC_BUTTON) {
    SetFocus(control);
    Command(parent, GetDlgCtrlID(control), control);
  } else {
    FocusFromKeyboard(control);
  }
}

// Enter: the focused push button, else the default button (not when it is disabled).
// A window that is no dialog and has no default button leaves Enter to the control.
bool PressEnter(Hwnd parent, Hwnd focus, uint32_t code) {
  if (focus && (code & kPushButton)) {
    Command(parent, GetDlgCtrlID(focus), focus);
    return true;
  }
  std::optional<intptr_t> id = detail::DefaultIdOf(parent);
  if (!id) return false;
  Hwnd button = GetDlgItem(parent, *id);
  if (!button || IsWindowEnabled(button)) Command(parent, *id, button);
  return true;
}

bool MoveInGroup(Hwnd parent, Hwnd focus, bool back) {
  if (!focus) return false;
  Hwnd next = GetNextDlgGroupItem(parent, focus, back);
  if (next && next != focus) SetFocus(next);
  return true;
}

bool HandleKeyDown(Hwnd parent, const Msg& msg) {
  Hwnd focus = GetFocus();
  if (focus && !IsChild(parent, focus)) focus = Hwnd{};
  uint32_t code = focus ? detail::DialogCode(focus, &msg) : 0;
  if (code & DLGC_WANTALLKEYS) return false;
  switch (msg.wParam) {
    case VK_TAB: {
      if (code & DLGC_WANTTAB) return false;
      if (Hwnd next = GetNextDlgTabItem(parent, focus, GetKeyState(VK_SHIFT) < 0)) FocusFromKeyboard(next);
      return true;
    }
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      if (code & DLGC_WANTARROWS) return false;
      return MoveInGroup(parent, focus, msg.wParam == VK_LEFT || msg.wParam == VK_UP);
    case VK_RETURN:
      return PressEnter(parent, focus, code);
    case VK_ESCAPE:
      Command(parent, IDCANCEL, GetDlgItem(parent, IDCANCEL));
      return true;
    default:
      return false;
  }
}

bool HandleCharacter(Hwnd parent, const Msg& msg) {
  Hwnd focus = GetFocus();
  if (msg.message == WM_CHAR && focus && IsChild(parent, focus) &&
      (detail::DialogCode(focus, &msg) & DLGC_WANTCHARS)) {
    return false;
  }
  Hwnd control = ControlMarkedWith(parent, static_cast<char>(msg.wParam));
  if (!control) return false;
  UseMnemonic(parent, control);
  return true;
}

// From `control` (null: from the start) round the order to the next that `accepts`.
Hwnd NextAround(const std::vector<Hwnd>& order, Hwnd control, bool previous, bool (*accepts)(Hwnd)) {
  if (order.empty()) return Hwnd{};
  auto start = std::find(order.begin(), order.end(), control);
  size_t count = order.size();
  size_t from = start == order.end() ? (previous ? 0 : count - 1) : static_cast<size_t>(start - order.begin());
  for (size_t step = 1; step <= count; ++step) {
    size_t at = previous ? (from + count - step) % count : (from + step) % count;
    if (IsWindow(order[at]) && accepts(order[at])) return order[at];
  }
  return Hwnd{};
}

}  // namespace

bool IsDialogMessage(Hwnd parent, const Msg& msg) {
  if (!parent || !msg.hwnd || (msg.hwnd != parent && !IsChild(parent, msg.hwnd))) return false;
  detail::UseDialogKeys(parent);
  switch (msg.message) {
    case WM_KEYDOWN:
      return HandleKeyDown(parent, msg);
    case WM_CHAR:
    case WM_SYSCHAR:
      return HandleCharacter(parent, msg);
    default:
      return false;
  }
}

Hwnd GetNextDlgTabItem(Hwnd parent, Hwnd control, bool previous) {
  return NextAround(detail::ControlsInOrder(parent), control, previous, TakesFocus);
}

Hwnd GetNextDlgGroupItem(Hwnd parent, Hwnd control, bool previous) {
  std::vector<Hwnd> order = detail::ControlsInOrder(parent);
  auto at = std::find(order.begin(), order.end(), control);
  if (at == order.end()) return Hwnd{};
  // The group: from the control with WS_GROUP at or before this one up to the next one.
  auto first = at;
  while (first != order.begin() && !(GetWindowStyle(*first) & WS_GROUP)) --first;
  auto last = at + 1;
  while (last != order.end() && !(GetWindowStyle(*last) & WS_GROUP)) ++last;
  std::vector<Hwnd> group(first, last);
  Hwnd next = NextAround(group, control, previous, ReachableByArrow);
  return next ? next : control;
}

}  // namespace qor::ui
