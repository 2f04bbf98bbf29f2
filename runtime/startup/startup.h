#pragma once
// Start-up of the language runtime and the program's entry sequence.
#include <cstdint>

#include "runtime/base/module_list.h"

namespace qor::rt {

// The interface version this runtime provides, and the minor number it requires.
inline constexpr uint32_t kInterfaceVersion = 0x105;
inline constexpr uint32_t kInterfaceMinor = 0;

// Registers the module (instance null: the executable's) and runs its start
// routines with kInitStart, highest priority first, equal priorities in table order.
// The first module registered is the one exit unregisters.
void Startup(ModuleDescriptor& descriptor, os::ModuleHandle instance = nullptr);

// True when the program was generated for this runtime's interface (same version,
// minor 0). Otherwise shows a box saying so and returns false.
bool CheckInterfaceVersion(uint32_t version, uint32_t minor, uint32_t build);

using MainRoutine = void (*)();

struct ProgramInterface {
  uint32_t version = kInterfaceVersion;
  uint32_t minor = kInterfaceMinor;
  uint32_t build = 0;
};

// The whole entry sequence: resets the floating-point environment, starts up, checks
// the interface version (a mismatch ends the process with code 0 at once), calls
// main, shuts down and exits with code 0.
[[noreturn]] void RunProgram(ModuleDescriptor& descriptor, MainRoutine main,
                             ProgramInterface generatedFor = {});

}  // namespace qor::rt
