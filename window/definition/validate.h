#pragma once
// Structural check of a definition buffer, run before anything walks it. A buffer passes
// when every record the runtime can reach lies wholly inside it and has a known type in
// its proper place (windows at the top level, controls in control lists), every string
// field is 0 or ends in a NUL inside the buffer, every font record, use-variable
// descriptor and small-entry element fits, and no sibling chain, group nesting or
// small-entry list comes back on itself, and group boxes nest at most 31 deep.
#include "window/definition/definition_buffer.h"

namespace qor::win {

bool ValidateDefinition(const DefinitionBuffer& buffer);

}  // namespace qor::win
