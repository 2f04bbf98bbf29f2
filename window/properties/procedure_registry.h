#pragma once
// The window procedures a program may install on a control (property 0x7CB4). A value
// set through that property is an address the program passes as a number; only the
// procedures registered here are accepted, so a stray number can never become a call.
// The procedure a control had before is kept for the new one to hand messages on to.
#include <cstdint>

#include "window/platform/core/types.h"

namespace qor::win {

// Registers a procedure; the number to set through the property is ProcedureNumber.
void RegisterControlProcedure(ui::WindowProc procedure);
void UnregisterControlProcedure(ui::WindowProc procedure);
// Forgets every registered procedure and every kept previous one.
void ClearControlProcedures();
// The number that names a procedure in a property set.
int64_t ProcedureNumber(ui::WindowProc procedure);
// The registered procedure a number names; null for any other number.
ui::WindowProc RegisteredProcedure(int64_t number);

// Gives the window the registered procedure a number names; false, with nothing
// changed, for any other number or no window.
bool InstallRegisteredProcedure(ui::Hwnd hwnd, int64_t number);
// The procedure the window had before the first registered one replaced it: a
// registered procedure passes what it does not handle on to it (ui::CallWindowProc),
// however often procedures were replaced since. Null when none was replaced.
ui::WindowProc PreviousProcedure(ui::Hwnd hwnd);

}  // namespace qor::win
