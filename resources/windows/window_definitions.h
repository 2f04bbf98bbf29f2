#pragma once
// The program's stored window definitions, compiled from resources/windows/*.win.
#include "os/module.h"

namespace qor::res {

// Adds every definition to `module` as a "DABDUMP" resource named after its procedure
// with "_RSC" (KZT_A001_RSC, QFEIP_RSC, QFPOPUP_RSC, QFQUERY_RSC). Called once at start.
void RegisterWindowDefinitions(os::ModuleHandle module);

}  // namespace qor::res
