#pragma once
// The field descriptors of ErrorManager, of a record of its ERRORS queue, and of a
// packed message table, describing the 32-bit record images (a 4-byte method-table
// word, 4-byte queue references, 8-byte text references).
#include <cstdint>
#include <span>
#include <vector>

#include "framework/descriptors/field_descriptor.h"
#include "framework/message_table/message_table.h"

namespace qor::fw {

// ERRORS, FIELDNAME, FILENAME, MESSAGETEXT, SAVEERROR, SAVEERRORCODE, SAVEFILEERROR,
// SAVEFILEERRORCODE: 1542 bytes with the method-table word.
std::vector<FieldSpec> ErrorManagerFields();
std::span<const uint8_t> ErrorManagerDescriptor();

// A message definition: ID (unsigned 16-bit), MESSAGE and TITLE (text references),
// FATALITY (byte).
std::vector<FieldSpec> MessageDefinitionFields();
std::span<const uint8_t> MessageDefinitionDescriptor();

// A packed table: NUMBER, then per entry its unnamed id, severity, title and text (each
// text a length-prefixed field one longer than the text).
std::vector<FieldSpec> MessageTableFields(const std::vector<MessageDefinition>& definitions);

}  // namespace qor::fw
