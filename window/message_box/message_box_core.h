#pragma once
// The runtime's message box: a modal dialog built in memory with an optional icon, the
// text broken into lines and a centred row of buttons from a button table, owned by the
// calling thread's current window (else the application frame, else the active window)
// and centred on the frame, else its owner, else the screen. Keys: Tab and Shift+Tab,
// Enter (the focused button, else the default), Space, and each button's marked letter
// alone or with Alt; Escape, the close box, Alt+F4 and the desktop's close request end
// it only when a Cancel button (id 2) is there. The global lock is given up while it
// runs; the focus goes back where it was afterwards. No sound is made.
//
// Without a display (the built-in host), or when the box cannot be made, the box writes
// "<title>: <text>" to standard error and returns 0: nobody answered.
#include <cstdint>
#include <string_view>

#include "window/message_box/button_table.h"
#include "window/platform/core/types.h"

namespace qor::win {

struct MessageBoxOptions {
  uint32_t style = 0;                              // box_style.h: icon nibble, system-modal
  ui::IconHandle ownIcon = ui::IconHandle::None;  // shown with kBoxIconOwn
  bool withoutOwner = false;                       // the runtime's own boxes belong to the desktop
};

// Shows the buttons of `table` whose bits are in `buttons` (0, or none of the table's
// bits: the first entry alone). The default is the first shown button, unless
// `defaultButton` names shown ones: then the last of those in table order. Returns the
// bit of the button pressed, 0 when none was.
uint32_t MessageBoxCore(std::string_view text, std::string_view title, uint32_t buttons, uint32_t defaultButton,
                        const ButtonTable& table, const MessageBoxOptions& options = {});

// The standard table: returns the button's bit (kButtonYes is 2, never its id 6).
uint32_t StandardMessageBox(std::string_view text, std::string_view title, uint32_t buttons, uint32_t defaultButton,
                            const MessageBoxOptions& options = {});

// Buttons from texts separated by "|" (custom_buttons: ids 100 on for texts not in the
// standard table). `defaultPosition` is 1-based; outside the list the first button is
// the default. Returns the 1-based position of the button pressed, 0 when none was.
int CustomMessageBox(std::string_view text, std::string_view title, std::string_view buttonList, int defaultPosition,
                     const MessageBoxOptions& options = {});

}  // namespace qor::win
