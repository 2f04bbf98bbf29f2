#pragma once
// Writing native records back as readable source. Reading the text again gives the same
// records; with offsets, a comment line before each record names where it was found in
// its buffer.
#include <string>

#include "window/definition/records.h"

namespace qor::tool::windefc {

std::string WriteDefinitionSource(const win::WindowDefinition& definition, bool withOffsets = false);

}  // namespace qor::tool::windefc
