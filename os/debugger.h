#pragma once
// Handing a failing process to a debugger.

namespace qor::os {

// True when a tracer (a debugger) is attached to this process.
bool DebuggerAttached();
// Stops the process at once for a debugger: raises SIGTRAP when one is attached, so
// that it stops on the spot; otherwise aborts, leaving a core dump for a later
// look. Never returns.
[[noreturn]] void BreakIntoDebugger();

}  // namespace qor::os
