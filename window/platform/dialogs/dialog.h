#pragma once
// Dialogs built from an in-memory template (dialog_template.h). The dialog window is of
// the system's dialog class; its procedure hands every message first to the caller's
// dialog procedure, which returns non-zero for what it handled (for WM_CTLCOLOR* the
// brush), and does the rest itself (DefDlgProc):
// - WM_INITDIALOG (wParam: the first control in the tab order, lParam: the caller's
//   parameter) comes once the controls exist; a non-zero answer gives that control the
//   focus.
// - WM_CLOSE (and the close box) becomes WM_COMMAND IDCANCEL.
// - Activation gives the focus back to the control that had it, else the first control
//   in the tab order.
// - DM_GETDEFID / DM_SETDEFID read and change the default button's id (IDOK until a
//   control with BS_DEFPUSHBUTTON or DM_SETDEFID names another).
// The keyboard (IsDialogMessage), for a dialog and for any window whose loop hands its
// messages to it: Tab and Shift+Tab move through the controls with WS_TABSTOP in the
// order they were made (selecting the text of a field they enter); the arrows move within
// a group; Enter sends WM_COMMAND for the focused push button or else the default button
// (default_button.h); Escape sends WM_COMMAND IDCANCEL; a character, typed alone or with
// Alt, clicks the button whose text marks it with "&" (a text's mark gives the focus to
// the control after it). A control that asks for those keys (WM_GETDLGCODE) gets them
// instead.
#include <cstdint>

#include "os/module.h"
#include "window/platform/core/types.h"
#include "window/platform/dialogs/dialog_template.h"
#include "window/platform/dialogs/dialog_units.h"

namespace qor::ui {

inline constexpr const char* kDialogClass = "Dialog";

inline constexpr uint32_t WM_INITDIALOG = 0x0110;
inline constexpr uint32_t DM_GETDEFID = 0x0400;  // result: DC_HASDEFID << 16 | id
inline constexpr uint32_t DM_SETDEFID = 0x0401;  // wParam: the new default id
inline constexpr uint32_t DC_HASDEFID = 0x534B;


using DialogProc = intptr_t (*)(Hwnd, uint32_t message, WParam, LParam);

// Runs a modal dialog: creates it, disables the owner's top-level window, centres the
// dialog on `reference` (null: the owner's window rectangle if the owner is visible,
// else the screen) and keeps it wholly on the screen, shows it and runs its own message
// loop until EndDialog; then enables the owner again, gives it back the activation,
// destroys the dialog and returns the EndDialog result. -1 when the dialog cannot be
// made (a control of an unknown class, no font). A WM_QUIT read while it runs ends the
// dialog with 0 and is posted again for the loop outside.
intptr_t DialogBoxIndirectParam(os::ModuleHandle module, const DialogTemplate& dialog, Hwnd owner, DialogProc proc,
                                LParam param, const Rect* reference = nullptr);
// Makes a modeless dialog (shown if its style has WS_VISIBLE), placed at its template
// position in the owner's client area (the screen without owner), centred on the owner
// or the screen with DS_CENTER. Null if it cannot be made.
Hwnd CreateDialogIndirectParam(os::ModuleHandle module, const DialogTemplate& dialog, Hwnd owner, DialogProc proc,
                               LParam param);
// Ends a modal dialog with a result once the message being handled is done. False for a
// window that is no dialog.
bool EndDialog(Hwnd dialog, intptr_t result);
// What a dialog does with a message its procedure did not handle.
LResult DefDlgProc(Hwnd dialog, uint32_t message, WParam wParam, LParam lParam);
// Handles the dialog keys of a message meant for the dialog or one of its controls;
// true when it did (the message must then not be dispatched again).
bool IsDialogMessage(Hwnd dialog, const Msg& msg);

// The next (or previous) control in the tab order after `control` (null: from the
// start), wrapping round; null when no control takes the focus. Any window's children
// have a tab order: the order they were made in. Controls that take no input (those
// answering WM_GETDLGCODE with DLGC_STATIC) are passed by, tab stop or not.
Hwnd GetNextDlgTabItem(Hwnd dialog, Hwnd control, bool previous);
// The next (or previous) shown, enabled, non-static control of `control`'s group (from a
// control with WS_GROUP up to the next one), wrapping round within it; `control` itself
// when it is alone; null when it is no child.
Hwnd GetNextDlgGroupItem(Hwnd dialog, Hwnd control, bool previous);
// The dialog's base units and font; (0, 0) and null for a window that is no dialog.
DialogBaseUnits GetDialogBaseUnits(Hwnd dialog);
FontHandle GetDialogFont(Hwnd dialog);
// Dialog units of a dialog as pixels.
bool MapDialogRect(Hwnd dialog, Rect* rect);
// Centres a window on a rectangle (screen coordinates), then moves it as little as
// needed to lie wholly on the screen (its top left stays on it for a larger window).
void CenterWindowOn(Hwnd hwnd, const Rect& reference);

}  // namespace qor::ui
