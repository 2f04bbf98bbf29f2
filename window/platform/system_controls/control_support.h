#pragma once
// What the system controls (button, static text) have in common: the per-window storage
// their class asks for (a state word and the font), telling the parent what happened,
// asking the parent for colours, and redrawing.
//
// Storage layout (pointer-sized slots, so a class built on a control adds its own storage
// after kControlExtraBytes):
//   offset 0                : state word (the control's own flags)
//   offset sizeof(intptr_t) : the Font* set with WM_SETFONT, 0 for the default font
#include <cstdint>
#include <functional>
#include <optional>

#include "window/platform/core/types.h"
#include "window/platform/core/window_class.h"
#include "window/platform/draw/brush.h"
#include "window/platform/draw/device_context.h"

namespace qor::ui {

inline constexpr int kControlStateOffset = 0;
inline constexpr int kControlFontOffset = static_cast<int>(sizeof(intptr_t));
inline constexpr int kControlExtraBytes = 2 * static_cast<int>(sizeof(intptr_t));

uint32_t ControlState(Hwnd control);
void SetControlState(Hwnd control, uint32_t state);

// WM_SETFONT: keeps the font, sharing it with the caller's FontHandle so that it lives as
// long as the control uses it (until another font is set or the control is destroyed),
// and redraws when lParam asks for it. WM_GETFONT: the font kept, 0 for the default.
LResult SetControlFont(Hwnd control, WParam font, LParam redraw);
LResult GetControlFont(Hwnd control);
// Selects the control's font into a context (nothing for the default font).
void SelectControlFont(Hdc dc, Hwnd control);

// Sends WM_COMMAND (wParam: code << 16 | id, lParam: the control) to the parent, or to
// the owner of a control without a parent.
void NotifyParent(Hwnd control, uint32_t code);

// Asks the parent for the colours to paint in (WM_CTLCOLORSTATIC or WM_CTLCOLORBTN): the
// context starts with the default colours, the parent may change them and returns the
// background brush; a parent answering 0 gets the button face (the window colour for
// WM_CTLCOLOREDIT).
BrushHandle AskParentColors(Hwnd control, Hdc dc, uint32_t message);

// Invalidates the whole control and paints it at once.
void RedrawNow(Hwnd control);
// Has the parent paint `area` (the control's client coordinates) again, and the control
// with it, at once: for a control that leaves part of its look to its parent.
void RedrawOnParent(Hwnd control, const Rect& area);

// Answers WM_PAINT: `paint` draws through a context clipped to the update area, with the
// control's font selected.
LResult PaintControl(Hwnd control, const std::function<void(Hdc)>& paint);

// What every control answers alike: a new text is kept and shown at once, the font is
// kept (WM_SETFONT, WM_GETFONT) and let go with the control (WM_NCDESTROY, which goes
// on to the default handling), and the background is left to the painting
// (WM_ERASEBKGND). Nothing for any other message.
std::optional<LResult> CommonControlMessage(Hwnd control, uint32_t message, WParam wParam, LParam lParam);

// The description of a control class: its storage is kControlExtraBytes.
WindowClass ControlClassDescription(const char* name, WindowProc proc, uint32_t classStyle);

}  // namespace qor::ui
