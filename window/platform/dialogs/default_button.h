#pragma once
// The default button of a window that uses the dialog keys (a dialog, or any window whose
// loop hands its messages to IsDialogMessage), and its look following the focus: a push
// button that gains the focus looks like the default button, and when the focus goes to
// any other control of the window the look goes back to the default button.
#include <cstdint>
#include <optional>

#include "window/platform/core/types.h"

namespace qor::ui {

// The id of the window's default button: a dialog's DM_GETDEFID; for another window the
// one SetDefaultId named, else the first child that was a default push button when
// first asked; none when it has none.
std::optional<intptr_t> GetDefaultId(Hwnd parent);
// Names the default button (through DM_SETDEFID for a dialog) and moves the look at once.
void SetDefaultId(Hwnd parent, intptr_t id);

// Moves the default look after the focus has moved. The hosts install it as the core's
// focusMoved callback (upper_layers.h), so it follows whatever moves the focus.
void FollowFocusWithDefaultLook(Hwnd lost, Hwnd gained);

}  // namespace qor::ui
