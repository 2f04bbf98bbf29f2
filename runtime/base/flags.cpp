#include "runtime/base/flags.h"

namespace qor::rt {
namespace {

bool runtimeActive = true;
bool halted = false;
uint32_t flagWord = 0;

}  // namespace

bool RuntimeActive() { return runtimeActive; }
void SetRuntimeActive(bool active) { runtimeActive = active; }
bool Halted() { return halted; }
void SetHalted(bool value) { halted = value; }
uint32_t RuntimeFlagWord() { return flagWord; }
void SetRuntimeFlagWord(uint32_t flags) { flagWord = flags; }

}  // namespace qor::rt
