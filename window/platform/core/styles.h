#pragma once
// Window and class styles, the show commands and the special position values.
#include <cstdint>

namespace qor::ui {

// Window styles.
inline constexpr uint32_t WS_OVERLAPPED = 0x00000000;
inline constexpr uint32_t WS_POPUP = 0x80000000;
inline constexpr uint32_t WS_CHILD = 0x40000000;
inline constexpr uint32_t WS_VISIBLE = 0x10000000;
inline constexpr uint32_t WS_DISABLED = 0x08000000;
inline constexpr uint32_t WS_CLIPSIBLINGS = 0x04000000;
inline constexpr uint32_t WS_CLIPCHILDREN = 0x02000000;
inline constexpr uint32_t WS_CAPTION = 0x00C00000;  // border and dialog frame together
inline constexpr uint32_t WS_BORDER = 0x00800000;
inline constexpr uint32_t WS_DLGFRAME = 0x00400000;
inline constexpr uint32_t WS_VSCROLL = 0x00200000;
inline constexpr uint32_t WS_HSCROLL = 0x00100000;
inline constexpr uint32_t WS_SYSMENU = 0x00080000;
inline constexpr uint32_t WS_THICKFRAME = 0x00040000;
inline constexpr uint32_t WS_GROUP = 0x00020000;
inline constexpr uint32_t WS_TABSTOP = 0x00010000;
inline constexpr uint32_t WS_MINIMIZEBOX = 0x00020000;
inline constexpr uint32_t WS_MAXIMIZEBOX = 0x00010000;

// Extended window styles.
inline constexpr uint32_t WS_EX_DLGMODALFRAME = 0x00000001;  // a dialog's frame: no icon in the caption
inline constexpr uint32_t WS_EX_TOPMOST = 0x00000008;
// The parent's painting shows through the window (a group box's inside): a parent that
// clips its children still paints under it, and so do siblings that clip their siblings.
inline constexpr uint32_t WS_EX_TRANSPARENT = 0x00000020;

// Class styles.
inline constexpr uint32_t CS_VREDRAW = 0x0001;
inline constexpr uint32_t CS_HREDRAW = 0x0002;
inline constexpr uint32_t CS_DBLCLKS = 0x0008;  // the class's windows receive double clicks

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWNOACTIVATE = 4;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_SHOWNA = 8;

// A position or size left to the system.
inline constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000u);

// SetWindowPos flags.
inline constexpr uint32_t SWP_NOSIZE = 0x0001;
inline constexpr uint32_t SWP_NOMOVE = 0x0002;
inline constexpr uint32_t SWP_NOZORDER = 0x0004;
inline constexpr uint32_t SWP_NOACTIVATE = 0x0010;
inline constexpr uint32_t SWP_SHOWWINDOW = 0x0040;
inline constexpr uint32_t SWP_HIDEWINDOW = 0x0080;

// Stock cursors and icons, by their system numbers.
inline constexpr uint16_t IDC_ARROW = 32512;
inline constexpr uint16_t IDC_IBEAM = 32513;
inline constexpr uint16_t IDC_WAIT = 32514;
inline constexpr uint16_t IDC_CROSS = 32515;
inline constexpr uint16_t IDC_UPARROW = 32516;
inline constexpr uint16_t IDC_SIZE = 32640;      // obsolete: shown as IDC_SIZEALL
inline constexpr uint16_t IDC_ICON = 32641;      // obsolete: shown as IDC_ARROW
inline constexpr uint16_t IDC_SIZENWSE = 32642;
inline constexpr uint16_t IDC_SIZENESW = 32643;
inline constexpr uint16_t IDC_SIZEWE = 32644;
inline constexpr uint16_t IDC_SIZENS = 32645;
inline constexpr uint16_t IDC_SIZEALL = 32646;
inline constexpr uint16_t IDC_NO = 32648;
inline constexpr uint16_t IDC_HAND = 32649;
inline constexpr uint16_t IDC_APPSTARTING = 32650;
inline constexpr uint16_t IDC_HELP = 32651;
inline constexpr uint16_t IDI_APPLICATION = 32512;
inline constexpr uint16_t IDI_HAND = 32513;
inline constexpr uint16_t IDI_QUESTION = 32514;
inline constexpr uint16_t IDI_EXCLAMATION = 32515;
inline constexpr uint16_t IDI_ASTERISK = 32516;
inline constexpr uint16_t IDI_ERROR = IDI_HAND;
inline constexpr uint16_t IDI_WARNING = IDI_EXCLAMATION;
inline constexpr uint16_t IDI_INFORMATION = IDI_ASTERISK;

}  // namespace qor::ui
