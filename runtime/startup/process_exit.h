#pragma once
// The end of the process: exit procedures, the program module's stop routines, and
// the exit code.
#include <cstdint>

#include "runtime/base/module_list.h"

namespace qor::rt {

using ExitProcedure = void (*)();

// Exit procedures run at exit, the last registered first, each at most once.
void RegisterExitProcedure(ExitProcedure procedure);

// The module whose stop routines exit runs (start-up sets it).
void SetProgramModule(ModuleDescriptor* descriptor);
ModuleDescriptor* ProgramModule();

// Runs the exit procedures, unregisters the program module (its stop routines run
// with kInitStop in ascending priority) and ends the process with the code (the
// exit status is its low 8 bits, as always on this platform). A fatal error inside
// a procedure or stop routine ends the process through a nested Exit, which goes on
// with whatever has not yet run; nothing runs twice.
[[noreturn]] void Exit(int32_t code);

}  // namespace qor::rt
