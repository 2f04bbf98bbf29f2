#pragma once
// The system "Edit" class: a single-line text field. It shows its text left-aligned,
// centred or right-aligned (ES_LEFT, ES_CENTER, ES_RIGHT), scrolls sideways to keep the
// caret in view, and with WS_BORDER draws a sunken well (the style is taken off at
// creation, so the well lies inside the window). While it has the focus it shows the
// caret (a bar, or a block in overwrite mode, which Insert toggles) and its selection.
//
// Keys: Left/Right, Ctrl+Left/Right by word, Home/End, with Shift extending the
// selection; Backspace, Delete; Ctrl+A selects all; Ctrl+C or Ctrl+Insert copies,
// Ctrl+X or Shift+Delete cuts, Ctrl+V or Shift+Insert pastes; Ctrl+Z undoes (one level,
// toggling). Mouse: a click places the caret, a drag selects (scrolling past the edges),
// Shift+click extends, a double click selects a word; the class cursor is the I-beam.
// A paste stops at a line break, drops control characters and is cut at the length
// limit with a beep. ES_READONLY shows the text but refuses every change by the user.
//
// The text, selection and undo are an EditModel (edit_model.h). A class built on this
// one (GetClassInfo, CallWindowProc) keeps its procedure for default handling and adds
// its own storage after the class's extra bytes.
#include <cstdint>

#include "window/platform/core/messages.h"
#include "window/platform/core/types.h"
#include "window/platform/core/window_class.h"

namespace qor::ui {

inline constexpr const char* kEditClass = "Edit";

// Styles (the low bits of the window style).
inline constexpr uint32_t ES_LEFT = 0x0000;
inline constexpr uint32_t ES_CENTER = 0x0001;
inline constexpr uint32_t ES_RIGHT = 0x0002;
inline constexpr uint32_t ES_ALIGNMASK = 0x0003;
inline constexpr uint32_t ES_AUTOHSCROLL = 0x0080;  // kept for stored styles: the field always scrolls
inline constexpr uint32_t ES_NOHIDESEL = 0x0100;    // the selection shows without the focus too
inline constexpr uint32_t ES_READONLY = 0x0800;

// Messages.
inline constexpr uint32_t EM_GETSEL = 0x00B0;        // wParam, lParam: uint32_t* for start and end (may be 0);
                                                     // result: end << 16 | start
// EM_SETSEL 0xB1 (messages.h): wParam the start (-1 removes the selection), lParam the end
// (-1: the end); the caret goes to the end.
inline constexpr uint32_t EM_GETMODIFY = 0x00B8;
inline constexpr uint32_t EM_SETMODIFY = 0x00B9;     // wParam: the mark
inline constexpr uint32_t EM_REPLACESEL = 0x00C2;    // wParam: undoable, lParam: const char*
inline constexpr uint32_t EM_LIMITTEXT = 0x00C5;     // wParam: characters (0: the largest)
inline constexpr uint32_t EM_CANUNDO = 0x00C6;
inline constexpr uint32_t EM_UNDO = 0x00C7;
inline constexpr uint32_t EM_EMPTYUNDOBUFFER = 0x00CD;
inline constexpr uint32_t EM_SETREADONLY = 0x00CF;   // wParam: read-only
inline constexpr uint32_t EM_SETMARGINS = 0x00D3;    // wParam: which (EC_LEFTMARGIN, EC_RIGHTMARGIN), lParam:
                                                     // the left margin in the low word, the right in the high
inline constexpr uint32_t EM_GETMARGINS = 0x00D4;    // result: right << 16 | left
inline constexpr uint32_t EM_GETLIMITTEXT = 0x00D5;
inline constexpr uint32_t EM_SETTEXTCOUNTED = 0x00DE;  // as WM_SETTEXT, with wParam the length: a 0 byte
                                                     // is a character like any other
inline constexpr uint32_t EM_POSFROMCHAR = 0x00D6;   // wParam: index; result: client point (PackPoint)
inline constexpr uint32_t EM_CHARFROMPOS = 0x00D7;   // lParam: client point; result: index of the nearest boundary
inline constexpr uint32_t WM_CUT = 0x0300;
inline constexpr uint32_t WM_COPY = 0x0301;
inline constexpr uint32_t WM_PASTE = 0x0302;
inline constexpr uint32_t WM_CLEAR = 0x0303;
inline constexpr uint32_t WM_UNDO = 0x0304;

// Which margins EM_SETMARGINS sets; margins are pixels kept blank inside the text
// area's ends, and the text, caret, selection, clicks and scrolling all keep within them.
inline constexpr uint32_t EC_LEFTMARGIN = 0x0001;
inline constexpr uint32_t EC_RIGHTMARGIN = 0x0002;

// Notifications (the high word of WM_COMMAND's wParam).
inline constexpr uint32_t EN_SETFOCUS = 0x0100;
inline constexpr uint32_t EN_KILLFOCUS = 0x0200;
inline constexpr uint32_t EN_CHANGE = 0x0300;   // the text changed (sent after it is shown)
inline constexpr uint32_t EN_MAXTEXT = 0x0501;  // typed or pasted text met the limit

// The class's description, as RegisterSystemClasses registers it.
WindowClass EditClassDescription();
LResult EditProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam);

}  // namespace qor::ui
