#pragma once
// Hooks a program may install to take over the runtime's fatal paths. None is set
// by default.
#include <cstdint>

namespace qor::rt {

// Receives the HALT code; the HALT message is left on the value stack.
using HaltHook = void (*)(int32_t code);
// Receives the error code, with the report text pushed on the value stack.
using RunTimeErrorHook = void (*)(int32_t code);
// Called once, when the files are closed at the end of the run.
using CloseAllHook = void (*)();

void SetHaltHook(HaltHook hook);
void SetRunTimeErrorHook(RunTimeErrorHook hook);
void SetCloseAllHook(CloseAllHook hook);
HaltHook CurrentHaltHook();
RunTimeErrorHook CurrentRunTimeErrorHook();
CloseAllHook CurrentCloseAllHook();

}  // namespace qor::rt
