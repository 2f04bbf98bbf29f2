// Making dialogs from their templates, and the modal loop.
#include <algorithm>

#include "window/platform/core/focus.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/dialogs/detail/dialog_state.h"
#include "window/platform/dialogs/dialog.h"

namespace qor::ui {

using detail::DialogState;

namespace {

// The id of the first control that says it is the default push button, else IDOK.
intptr_t DefaultIdOf(const std::vector<Hwnd>& controls) {
  for (Hwnd control : controls) {
    if (SendMessage(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) return GetDlgCtrlID(control);
  }
  return IDOK;
}

// The dialog font and its base units: the template's with DS_SETFONT, else the default.
bool ChooseFont(const DialogTemplate& dialog, DialogState& state) {
  state.font = (dialog.style & DS_SETFONT)
                   ? CreatePointFont(dialog.face, dialog.pointSize, dialog.weight, dialog.italic)
                   : CreateFontIndirect(LogFont{});
  state.units = MeasureBaseUnits(state.font);
  return state.font && state.units.width > 0 && state.units.height > 0;
}

// The dialog window, hidden, sized to hold a client area of the template's size.
Hwnd CreateDialogWindow(os::ModuleHandle module, const DialogTemplate& dialog, Hwnd owner, DialogState& state) {
  CreateParams params;
  params.className = kDialogClass;
  params.title = dialog.title;
  // Clipping its children keeps the dialog's own painting off a control that was drawn
  // before it (the focused button draws itself as soon as it has the focus).
  params.style = (dialog.style & ~(WS_VISIBLE | WS_CHILD)) | WS_POPUP | WS_CLIPCHILDREN;
  params.exStyle = dialog.exStyle;
  if (dialog.style & DS_MODALFRAME) params.exStyle |= WS_EX_DLGMODALFRAME;
  if (dialog.style & DS_SYSMODAL) params.exStyle |= WS_EX_TOPMOST;
  Rect insets = FrameInsets(params.style);
  Rect client = DialogRectToPixels({dialog.x, dialog.y, dialog.x + dialog.cx, dialog.y + dialog.cy}, state.units);
  Point origin = owner ? ClientToScreen(owner, {0, 0}) : Point{};
  params.PlaceAt({origin.x + client.left, origin.y + client.top, origin.x + client.right + insets.left + insets.right,
                  origin.y + client.bottom + insets.top + insets.bottom});
  params.parent = owner;
  params.module = module;
  detail::BeginDialogCreation(&state);
  Hwnd hwnd = CreateWindow(params);
  detail::BeginDialogCreation(nullptr);
  return hwnd;
}

// The controls, in template order; false when one cannot be made.
bool CreateControls(Hwnd hwnd, os::ModuleHandle module, const DialogTemplate& dialog, const DialogState& state) {
  for (const DialogItem& item : dialog.items) {
    CreateParams params;
    params.className = item.className;
    params.title = item.text;
    params.style = (item.style & ~WS_POPUP) | WS_CHILD;
    params.exStyle = item.exStyle;
    params.PlaceAt(DialogRectToPixels({item.x, item.y, item.x + item.cx, item.y + item.cy}, state.units));
    params.parent = hwnd;
    params.id = item.id;
    params.module = module;
    Hwnd control = CreateWindow(params);
    if (!control) return false;
    detail::UpdateDialog(hwnd, [&](DialogState& s) { s.controls.push_back(control); });
    if (dialog.style & DS_SETFONT) SendMessage(control, WM_SETFONT, reinterpret_cast<WParam>(state.font.get()), 0);
  }
  intptr_t defaultId = DefaultIdOf(detail::FindDialog(hwnd)->controls);
  detail::UpdateDialog(hwnd, [&](DialogState& s) { s.defaultId = defaultId; });
  return true;
}

// Makes the dialog with its controls and sends WM_INITDIALOG; null if it cannot be made.
Hwnd MakeDialog(os::ModuleHandle module, const DialogTemplate& dialog, Hwnd owner, DialogProc proc, LParam param) {
  DialogState state;
  state.proc = proc;
  if (!detail::RegisterDialogClass() || !ChooseFont(dialog, state)) return Hwnd{};
  Hwnd hwnd = CreateDialogWindow(module, dialog, owner, state);
  if (!hwnd) return Hwnd{};
  if (!CreateControls(hwnd, module, dialog, state)) {
    DestroyWindow(hwnd);
    return Hwnd{};
  }
  Hwnd first = GetNextDlgTabItem(hwnd, Hwnd{}, false);
  // A zero answer says the procedure placed the focus itself; it keeps that place.
  Hwnd focus = SendMessage(hwnd, WM_INITDIALOG, first.AsParam(), param) ? first : GetFocus();
  if (focus && IsChild(hwnd, focus)) detail::UpdateDialog(hwnd, [&](DialogState& s) { s.savedFocus = focus; });
  return IsWindow(hwnd) ? hwnd : Hwnd{};
}

bool Ended(Hwnd dialog) {
  std::optional<DialogState> state = detail::FindDialog(dialog);
  return !state || state->ended;
}

// Reads and hands on messages until the dialog ends; false if WM_QUIT came first.
bool RunModalLoop(Hwnd dialog) {
  while (!Ended(dialog)) {
    Msg msg;
    if (!GetMessage(msg)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (IsDialogMessage(dialog, msg)) continue;
    TranslateMessage(msg);
    DispatchMessage(msg);
  }
  return true;
}

Rect ReferenceFor(Hwnd owner) {
  if (owner && IsWindowVisible(owner)) return GetWindowRect(owner);
  Size screen = ScreenSize();
  return {0, 0, screen.cx, screen.cy};
}

}  // namespace

Hwnd CreateDialogIndirectParam(os::ModuleHandle module, const DialogTemplate& dialog, Hwnd owner, DialogProc proc,
                               LParam param) {
  Hwnd hwnd = MakeDialog(module, dialog, owner ? GetTopLevel(owner) : Hwnd{}, proc, param);
  if (!hwnd) return hwnd;
  if (dialog.style & DS_CENTER) CenterWindowOn(hwnd, ReferenceFor(owner ? GetTopLevel(owner) : Hwnd{}));
  if (dialog.style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
  return hwnd;
}

intptr_t DialogBoxIndirectParam(os::ModuleHandle module, const DialogTemplate& dialog, Hwnd owner, DialogProc proc,
                                LParam param, const Rect* reference) {
  Hwnd top = owner ? GetTopLevel(owner) : Hwnd{};
  Hwnd hwnd = MakeDialog(module, dialog, top, proc, param);
  if (!hwnd) return -1;
  bool disabledOwner = top && IsWindowEnabled(top);
  if (disabledOwner) EnableWindow(top, false);
  CenterWindowOn(hwnd, reference ? *reference : ReferenceFor(top));
  if (!Ended(hwnd)) {
    ShowWindow(hwnd, SW_SHOW);
    RunModalLoop(hwnd);
  }
  std::optional<DialogState> state = detail::FindDialog(hwnd);
  intptr_t result = state && state->ended ? state->result : 0;
  if (disabledOwner) EnableWindow(top, true);
  if (top && IsWindow(top) && GetActiveWindow() == hwnd) SetActiveWindow(top);
  DestroyWindow(hwnd);
  return result;
}

}  // namespace qor::ui
