#pragma once
// Internal: what the dialog manager keeps for each dialog window, from its creation to
// its WM_NCDESTROY.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "window/platform/dialogs/dialog.h"

namespace qor::ui::detail {

struct DialogState {
  DialogProc proc = nullptr;
  FontHandle font;            // kept alive while the controls use it
  DialogBaseUnits units;
  std::vector<Hwnd> controls;  // in template order: the tab order
  intptr_t defaultId = IDOK;
  Hwnd savedFocus;            // the control that had the focus when the dialog was left
  bool ended = false;
  intptr_t result = 0;
};

// Registers the dialog class (once; true when it is there).
bool RegisterDialogClass();
// The state the next dialog window made on this thread starts with (taken at WM_CREATE).
void BeginDialogCreation(DialogState* state);
// A copy of the dialog's state; none for a window that is no dialog.
std::optional<DialogState> FindDialog(Hwnd dialog);
// Changes the dialog's state; false for a window that is no dialog.
bool UpdateDialog(Hwnd dialog, const std::function<void(DialogState&)>& change);

}  // namespace qor::ui::detail
