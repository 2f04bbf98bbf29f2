#pragma once
// Window message numbers. They keep the numbers the window runtime and its stored data
// were written against; private messages of the runtime start at WM_USER.
#include <cstdint>

#include "window/platform/core/types.h"

namespace qor::ui {

// Life of a window.
inline constexpr uint32_t WM_NULL = 0x0000;
inline constexpr uint32_t WM_CREATE = 0x0001;         // lParam: const CreateParams*; -1 refuses
inline constexpr uint32_t WM_DESTROY = 0x0002;
inline constexpr uint32_t WM_MOVE = 0x0003;           // lParam: client origin in the parent's client area
inline constexpr uint32_t WM_SIZE = 0x0005;           // wParam: SIZE_*, lParam: client width, height
inline constexpr uint32_t WM_ACTIVATE = 0x0006;       // wParam: WA_*, lParam: the other window
inline constexpr uint32_t WM_SETFOCUS = 0x0007;       // wParam: window that lost the focus
inline constexpr uint32_t WM_KILLFOCUS = 0x0008;      // wParam: window that gains the focus
inline constexpr uint32_t WM_ENABLE = 0x000A;         // wParam: enabled
inline constexpr uint32_t WM_SETTEXT = 0x000C;        // lParam: const char*
inline constexpr uint32_t WM_GETTEXT = 0x000D;        // wParam: buffer size, lParam: char*
inline constexpr uint32_t WM_GETTEXTLENGTH = 0x000E;
inline constexpr uint32_t WM_PAINT = 0x000F;
inline constexpr uint32_t WM_CLOSE = 0x0010;
inline constexpr uint32_t WM_QUERYENDSESSION = 0x0011;  // return 0 to refuse the end of the session
inline constexpr uint32_t WM_QUIT = 0x0012;           // wParam: exit code
inline constexpr uint32_t WM_ERASEBKGND = 0x0014;
inline constexpr uint32_t WM_ENDSESSION = 0x0016;     // wParam: the session ends; lParam: ENDSESSION_*
inline constexpr uint32_t WM_SHOWWINDOW = 0x0018;     // wParam: shown
inline constexpr uint32_t WM_SETCURSOR = 0x0020;
inline constexpr uint32_t WM_SETFONT = 0x0030;        // wParam: Font* (the caller keeps it alive), lParam: redraw
inline constexpr uint32_t WM_GETFONT = 0x0031;        // result: the Font* set, 0 for the default
inline constexpr uint32_t WM_NOTIFY = 0x004E;         // wParam: control id, lParam: NotifyHeader*
inline constexpr uint32_t WM_NCDESTROY = 0x0082;      // the last message a window receives
inline constexpr uint32_t WM_GETDLGCODE = 0x0087;     // result: DLGC_* (what a control wants of a dialog)

// Keyboard.
inline constexpr uint32_t WM_KEYDOWN = 0x0100;        // wParam: key code, lParam: repeat/flags
inline constexpr uint32_t WM_KEYUP = 0x0101;
inline constexpr uint32_t WM_CHAR = 0x0102;           // wParam: character
inline constexpr uint32_t WM_SYSKEYDOWN = 0x0104;     // keys while Alt is held
inline constexpr uint32_t WM_SYSKEYUP = 0x0105;
inline constexpr uint32_t WM_SYSCHAR = 0x0106;
inline constexpr uint32_t WM_COMMAND = 0x0111;        // wParam: notification<<16 | id, lParam: control
inline constexpr uint32_t WM_SYSCOMMAND = 0x0112;     // wParam: SC_*
inline constexpr uint32_t WM_TIMER = 0x0113;          // wParam: timer id, lParam: TimerProc or 0

// Colours of a control, asked of its parent before it paints: wParam the context (Hdc),
// lParam the control; the parent sets text and background colours on the context and
// returns the brush for the background. The default procedure answers with the button
// face and the window text colour.
inline constexpr uint32_t WM_CTLCOLOREDIT = 0x0133;  // the default: window text on the window colour
inline constexpr uint32_t WM_CTLCOLORBTN = 0x0135;
inline constexpr uint32_t WM_CTLCOLORSTATIC = 0x0138;

// Mouse. wParam: MK_* flags; lParam: position in the client area (PackPoint).
inline constexpr uint32_t WM_MOUSEMOVE = 0x0200;
inline constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
inline constexpr uint32_t WM_LBUTTONUP = 0x0202;
inline constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
inline constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
inline constexpr uint32_t WM_RBUTTONUP = 0x0205;
inline constexpr uint32_t WM_RBUTTONDBLCLK = 0x0206;
inline constexpr uint32_t WM_MBUTTONDOWN = 0x0207;
inline constexpr uint32_t WM_MBUTTONUP = 0x0208;
inline constexpr uint32_t WM_MBUTTONDBLCLK = 0x0209;
inline constexpr uint32_t WM_CAPTURECHANGED = 0x0215;  // lParam: the window gaining capture

// Private messages of a window class start here.
inline constexpr uint32_t WM_USER = 0x0400;

// WM_GETDLGCODE answers: what a control keeps of the keys a dialog uses, and what it is.
inline constexpr uint32_t DLGC_WANTARROWS = 0x0001;
inline constexpr uint32_t DLGC_WANTTAB = 0x0002;
inline constexpr uint32_t DLGC_WANTALLKEYS = 0x0004;
inline constexpr uint32_t DLGC_HASSETSEL = 0x0008;        // a text field: Tab into it selects all (EM_SETSEL)
// Selects characters of a text field: wParam the start (-1 removes the selection), lParam
// the end (-1: the end of the text).
inline constexpr uint32_t EM_SETSEL = 0x00B1;
inline constexpr uint32_t DLGC_WANTCHARS = 0x0080;
inline constexpr uint32_t DLGC_DEFPUSHBUTTON = 0x0010;    // the default push button
inline constexpr uint32_t DLGC_UNDEFPUSHBUTTON = 0x0020;  // a push button that is not the default
inline constexpr uint32_t DLGC_STATIC = 0x0100;           // takes no input (static text, group box)
inline constexpr uint32_t DLGC_BUTTON = 0x2000;           // a button

// The header of every WM_NOTIFY.
struct NotifyHeader {
  Hwnd from;           // the control that notifies
  uintptr_t id = 0;    // its id (for a tool tip: the tool's handle value)
  uint32_t code = 0;   // what happened; the codes are negative numbers stored unsigned
};

// WM_ACTIVATE states.
inline constexpr uint32_t WA_INACTIVE = 0;
inline constexpr uint32_t WA_ACTIVE = 1;
inline constexpr uint32_t WA_CLICKACTIVE = 2;

// WM_SIZE kinds.
inline constexpr uint32_t SIZE_RESTORED = 0;

// WM_SYSCOMMAND commands.
inline constexpr uint32_t SC_CLOSE = 0xF060;

// WM_ENDSESSION / WM_QUERYENDSESSION reasons.
inline constexpr LParam ENDSESSION_CLOSEAPP = 0x00000001;
inline constexpr LParam ENDSESSION_LOGOFF = static_cast<LParam>(0x80000000u);

}  // namespace qor::ui
