#pragma once
// The tool tip: a small topmost pop-up that names what a control does when the mouse
// rests on it. Each thread has one (ThreadToolTip). Tools are controls, known by their
// window handles; the tip watches the mouse on them (TTF_SUBCLASS: it slides its own
// procedure in front of the tool's, and takes it out again when the tool is removed) or
// is told about it (TTM_RELAYEVENT). When the mouse has rested on a tool for the initial
// delay the tip asks the tool's owner for the text (WM_NOTIFY with TTN_GETDISPINFO,
// unless the tool was added with a text of its own) and shows it below the cursor; it
// hides when the mouse leaves the tool or clicks, and after the auto-pop time.
// Without TTS_ALWAYSTIP a tip shows only while the tool's top-level window is active.
#include <cstdint>

#include "window/platform/core/messages.h"
#include "window/platform/core/types.h"
#include "window/platform/core/window_class.h"

namespace qor::ui {

inline constexpr const char* kToolTipClass = "ToolTipWindow";

// Styles.
inline constexpr uint32_t TTS_ALWAYSTIP = 0x01;  // also while the tool's window is inactive
inline constexpr uint32_t TTS_NOPREFIX = 0x02;   // "&" is shown as it is

// Tool flags.
inline constexpr uint32_t TTF_IDISHWND = 0x0001;  // the tool is a window (always so here)
inline constexpr uint32_t TTF_SUBCLASS = 0x0010;  // the tip watches the tool's mouse itself

// Messages.
inline constexpr uint32_t TTM_ACTIVATE = WM_USER + 1;      // wParam: tips shown (1) or not (0)
inline constexpr uint32_t TTM_SETDELAYTIME = WM_USER + 3;  // wParam: TTDT_*, lParam: milliseconds
inline constexpr uint32_t TTM_ADDTOOL = WM_USER + 4;       // lParam: const ToolInfo*; result 1 if added
inline constexpr uint32_t TTM_DELTOOL = WM_USER + 5;       // lParam: const ToolInfo* (its tool)
inline constexpr uint32_t TTM_RELAYEVENT = WM_USER + 7;    // lParam: const Msg* the tool received
inline constexpr uint32_t TTM_GETTOOLCOUNT = WM_USER + 13;
inline constexpr uint32_t TTM_POP = WM_USER + 28;          // hides the tip now

// TTM_SETDELAYTIME kinds.
inline constexpr uint32_t TTDT_AUTOMATIC = 0;  // initial as given, the others from it
inline constexpr uint32_t TTDT_RESHOW = 1;
inline constexpr uint32_t TTDT_AUTOPOP = 2;
inline constexpr uint32_t TTDT_INITIAL = 3;

// Notifications to the tool's owner (WM_NOTIFY).
inline constexpr uint32_t TTN_GETDISPINFO = static_cast<uint32_t>(-520);  // lParam: ToolTipText*
inline constexpr uint32_t TTN_SHOW = static_cast<uint32_t>(-521);
inline constexpr uint32_t TTN_POP = static_cast<uint32_t>(-522);

struct ToolInfo {
  uint32_t flags = TTF_IDISHWND | TTF_SUBCLASS;
  Hwnd owner;                 // asked for the text; the tool's parent when null
  Hwnd tool;
  const char* text = nullptr;  // null: ask the owner each time the tip shows
};

// TTN_GETDISPINFO: header.id is the tool's handle value. The owner points `text` at the
// text (it is copied at once) or copies it into `buffer`.
struct ToolTipText {
  NotifyHeader header;
  const char* text = nullptr;
  char buffer[80] = {};
};

WindowClass ToolTipClassDescription();
LResult ToolTipProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam);

// The calling thread's tool tip (TTS_ALWAYSTIP), made on first use.
Hwnd ThreadToolTip();
// Destroys the calling thread's tool tip, when it has one; the next use makes another.
void DestroyThreadToolTip();

}  // namespace qor::ui
