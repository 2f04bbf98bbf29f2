#pragma once
// The runtime's one-time language set-up, which a program's first start routine
// calls: seeds RANDOM from the clock, then reads the platform's locale settings and
// the environment file beside the executable.

namespace qor::rt {

// Runs once per process; later calls do nothing.
void LanguageSetUpOnce();

}  // namespace qor::rt
