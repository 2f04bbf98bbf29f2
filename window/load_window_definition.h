#pragma once
// Loading stored window definitions. A definition is a resource of type "DABDUMP" named
// after its procedure with "_RSC"; its bytes are the qualified name, a NUL and the body.
// The loaded body is the process's one definition buffer, replaced by the next load.
#include <cstdint>
#include <string_view>

#include "os/module.h"
#include "window/definition/definition_buffer.h"

namespace qor::win {

// Looks for the definition `qualifiedName` ("kzt_asm$KZT_A001", or a bare "QFEIP") in
// the module of the last successful load first, then in every other module of the
// program in order. A module's resource counts only when its leading name is the whole
// qualified name, its image is well formed and it holds a window labelled `windowLabel`.
// Returns the offset of that window record in CurrentDefinition(), or 0 when no module
// has it (a malformed image is treated as absent). A failed load leaves the previous
// buffer and module in place.
uint32_t LoadWindowDefinition(std::string_view qualifiedName, std::string_view windowLabel);

// The buffer of the last successful load (empty before the first).
const DefinitionBuffer& CurrentDefinition();
// The module that supplied it: the current resource module (null before the first load).
os::ModuleHandle CurrentResourceModule();

// Forgets the buffer and the remembered module, as at start-up.
void ResetWindowDefinitions();

}  // namespace qor::win
