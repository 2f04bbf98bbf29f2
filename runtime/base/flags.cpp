#include "runtime/base/flags.h"

namespace qor::rt {
namespace {

bool runtimeActive = true;
bool halted = false;

}  // namespace

bool RuntimeActive() { return runtimeActive; }
void SetRuntimeActive(bool active) { runtimeActive = active; }
bool Halted() { return halted; }
void SetHalted(bool value) { halted = value; }

}  // namespace qor::rt
