#pragma once
// Internal to the dialog keys: what they need of a window whose children they move the
// focus among (a dialog, or any window whose loop hands its messages to
// IsDialogMessage): its controls in order, its default button, and the default look that
// follows the focus.
#include <cstdint>
#include <optional>
#include <vector>

#include "window/platform/core/types.h"

namespace qor::ui::detail {

// WM_GETDLGCODE of a control (0 for none).
uint32_t DialogCode(Hwnd control, const Msg* msg);
// The children in creation order: the tab order.
std::vector<Hwnd> ControlsInOrder(Hwnd parent);
// The id of the parent's default button: a dialog's DM_GETDEFID; for another window the
// one set with SetDefaultId, else the first child that was a default push button when
// first asked; none when there is none.
std::optional<intptr_t> DefaultIdOf(Hwnd parent);
// Marks a window as using the dialog keys (so the default look follows its focus).
void UseDialogKeys(Hwnd parent);
bool UsesDialogKeys(Hwnd parent);

}  // namespace qor::ui::detail
