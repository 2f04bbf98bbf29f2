#pragma once
// The runtime's life-cycle flags, and the flag word of settings the window runtime reads.
#include <cstdint>

namespace qor::rt {

// Set from the start; cleared by the shutdown at the end of a normal run. While it
// is set a fatal error ends the process.
bool RuntimeActive();
void SetRuntimeActive(bool active);

// Set once a HALT or a run-time error has run its course.
bool Halted();
void SetHalted(bool halted);

// The runtime flag word: 0 at start, so every setting below is off until a program
// sets it.
inline constexpr uint32_t kNewLookFlag = 1u << 1;           // message boxes in the newer face
inline constexpr uint32_t kAlternativeCaptionFlag = 1u << 3;  // the runtime's own caption on its notices
uint32_t RuntimeFlagWord();
void SetRuntimeFlagWord(uint32_t flags);

}  // namespace qor::rt
