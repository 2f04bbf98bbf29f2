#pragma once
// A definition that uses every record kind and sets every stored field to something
// other than its default, for round trips and for corrupting on purpose.
#include <cstdint>
#include <vector>

#include "window/definition/definition_buffer.h"
#include "window/definition/records.h"

namespace qor::win::testing {

WindowDefinition SampleDefinition();
ControlRecord Control(uint8_t type, int32_t number);

// The buffer of an encoded definition, unvalidated, and the body bytes behind it.
DefinitionBuffer BufferOf(const std::vector<uint8_t>& body);
std::vector<uint8_t> BodyOf(const WindowDefinition& definition);
void PutU32(std::vector<uint8_t>& body, uint32_t bufferOffset, uint32_t value);
bool Valid(const std::vector<uint8_t>& body);

}  // namespace qor::win::testing
