#pragma once
// The runtime's life-cycle flags.

namespace qor::rt {

// Set from the start; cleared by the shutdown at the end of a normal run. While it
// is set a fatal error ends the process.
bool RuntimeActive();
void SetRuntimeActive(bool active);

// Set once a HALT or a run-time error has run its course.
bool Halted();
void SetHalted(bool halted);

}  // namespace qor::rt
