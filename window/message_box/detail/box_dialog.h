#pragma once
// Internal: running a message box's dialog once its template is made.
#include <cstdint>

#include "window/platform/dialogs/dialog_template.h"
#include "window/platform/core/types.h"

namespace qor::win::detail {

struct BoxDialogRun {
  ui::DialogTemplate dialog;
  ui::IconHandle icon = ui::IconHandle::None;
  ui::Rect iconPlace;  // dialog units
  intptr_t defaultId = 0;
};

// Runs the dialog modally, owned by `owner` (null: the desktop), with the global lock
// given up meanwhile. Returns the id it ended with, 0 if it ended without a command,
// -1 if it could not be made.
intptr_t RunBoxDialog(const BoxDialogRun& run, ui::Hwnd owner);

}  // namespace qor::win::detail
