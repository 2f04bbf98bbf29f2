#pragma once
// The system "Static" class: a piece of text that takes no input. The text is laid out
// in the client area, left-aligned, centred or right-aligned by the style, broken into
// lines at spaces where it is too wide, "&" marking a mnemonic unless SS_NOPREFIX. Before
// painting it asks its parent for colours with WM_CTLCOLORSTATIC (the parent may set the
// text colour and returns the background brush). The mouse passes through it.
//
// Registered by RegisterSystemClasses (system_classes.h); classes built on it add their
// storage after kControlExtraBytes (control_support.h).
#include <cstdint>

#include "window/platform/core/types.h"
#include "window/platform/core/window_class.h"

namespace qor::ui {

inline constexpr const char* kStaticClass = "Static";

inline constexpr uint32_t SS_LEFT = 0x0000;
inline constexpr uint32_t SS_CENTER = 0x0001;
inline constexpr uint32_t SS_RIGHT = 0x0002;
inline constexpr uint32_t SS_ICON = 0x0003;             // a place for an icon: no text is drawn
inline constexpr uint32_t SS_LEFTNOWORDWRAP = 0x000C;   // left, lines never broken
inline constexpr uint32_t SS_TYPEMASK = 0x001F;
inline constexpr uint32_t SS_NOPREFIX = 0x0080;         // "&" is shown as it is

// The class's description, as RegisterSystemClasses registers it.
WindowClass StaticClassDescription();
LResult StaticProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam);

}  // namespace qor::ui
