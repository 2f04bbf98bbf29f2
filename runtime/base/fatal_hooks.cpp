#include "runtime/base/fatal_hooks.h"

namespace qor::rt {
namespace {

HaltHook haltHook = nullptr;
RunTimeErrorHook runTimeErrorHook = nullptr;
CloseAllHook closeAllHook = nullptr;

}  // namespace

void SetHaltHook(HaltHook hook) { haltHook = hook; }
void SetRunTimeErrorHook(RunTimeErrorHook hook) { runTimeErrorHook = hook; }
void SetCloseAllHook(CloseAllHook hook) { closeAllHook = hook; }
HaltHook CurrentHaltHook() { return haltHook; }
RunTimeErrorHook CurrentRunTimeErrorHook() { return runTimeErrorHook; }
CloseAllHook CurrentCloseAllHook() { return closeAllHook; }

}  // namespace qor::rt
