#pragma once
// The run-time error messages as string resources: one resource of type
// os::kResourceString per message, named by its error code. The program registers
// them once at start-up, before any message text is looked up.
#include "os/module.h"

namespace qor::res {

void RegisterErrorMessages(os::ModuleHandle module);

}  // namespace qor::res
