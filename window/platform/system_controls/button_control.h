#pragma once
// The system "button" class: push buttons (plain and default) and group boxes.
//
// A push button shows itself pressed while the left mouse button is held on it (moving
// off releases the look, moving back presses it again) and, when the mouse button is let
// go inside it, tells its parent with WM_COMMAND (BN_CLICKED, its id). Space does the same
// from the keyboard: pressed while held, a click when let go. Enter belongs to the dialog
// that holds the button (WM_GETDLGCODE tells it which button is the default). A group box
// is a frame with its caption at the top left; the mouse passes through it.
//
// The class is registered by RegisterSystemClasses (system_classes.h); classes built on
// it keep its procedure for default handling and add their storage after
// kControlExtraBytes (control_support.h).
#include <cstdint>

#include "window/platform/core/types.h"
#include "window/platform/core/window_class.h"

namespace qor::ui {

inline constexpr const char* kButtonClass = "button";

// Button styles (the low bits of the window style).
inline constexpr uint32_t BS_PUSHBUTTON = 0x0000;
inline constexpr uint32_t BS_DEFPUSHBUTTON = 0x0001;  // the dialog's default: an extra dark frame
inline constexpr uint32_t BS_GROUPBOX = 0x0007;
inline constexpr uint32_t BS_TYPEMASK = 0x000F;
inline constexpr uint32_t BS_NOTIFY = 0x4000;  // also BN_DOUBLECLICKED, BN_SETFOCUS, BN_KILLFOCUS

// Button messages.
inline constexpr uint32_t BM_GETSTATE = 0x00F2;  // result: BST_* bits
inline constexpr uint32_t BM_SETSTATE = 0x00F3;  // wParam: pressed look on (1) or off (0)
inline constexpr uint32_t BM_SETSTYLE = 0x00F4;  // wParam: new BS_* type, lParam: redraw
inline constexpr uint32_t BM_CLICK = 0x00F5;     // as if clicked with the mouse

// BM_GETSTATE bits.
inline constexpr uint32_t BST_PUSHED = 0x0004;
inline constexpr uint32_t BST_FOCUS = 0x0008;

// Notifications (the high word of WM_COMMAND's wParam).
inline constexpr uint32_t BN_CLICKED = 0;
inline constexpr uint32_t BN_DOUBLECLICKED = 5;
inline constexpr uint32_t BN_SETFOCUS = 6;
inline constexpr uint32_t BN_KILLFOCUS = 7;

// The class's description, as RegisterSystemClasses registers it.
WindowClass ButtonClassDescription();
LResult ButtonProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam);

}  // namespace qor::ui
