#pragma once
// Reading native records out of a definition buffer. The buffer must have passed
// ValidateDefinition; the loader guarantees that for the buffers it hands out.
#include <cstdint>
#include <string_view>
#include <vector>

#include "window/definition/definition_buffer.h"
#include "window/definition/records.h"

namespace qor::win {

// Offset of the first top-level window record labelled `label`, 0 when there is none.
uint32_t FindWindowRecord(const DefinitionBuffer& buffer, std::string_view label);
// Labels of the top-level window records, in stored order.
std::vector<std::string> WindowLabels(const DefinitionBuffer& buffer);

FontRecord DecodeFont(const DefinitionBuffer& buffer, uint32_t at);
ControlRecord DecodeControl(const DefinitionBuffer& buffer, uint32_t at);
// The window record at `at` with its whole control tree.
WindowRecord DecodeWindow(const DefinitionBuffer& buffer, uint32_t at);
std::vector<WindowRecord> DecodeWindows(const DefinitionBuffer& buffer);

}  // namespace qor::win
