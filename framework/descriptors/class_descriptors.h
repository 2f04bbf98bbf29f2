#pragma once
// The field descriptors of the class library's classes and of the queue records they
// hold, describing the 32-bit record image: a 4-byte method-table word, 4-byte object,
// queue and variable references, 8-byte text references (address and length). The C++
// objects do not share that layout; these images are what a stored class record
// carries and what the clearing walker reads.
//
// Each class gives its field list (so a derived class can append its own fields and
// encode its own descriptor) and its encoded image, built once.
#include <cstdint>
#include <span>
#include <vector>

#include "framework/descriptors/field_descriptor.h"

namespace qor::fw {

// WindowManager: 30 fields, 588 bytes with the method-table word.
std::vector<FieldSpec> WindowManagerFields();
std::span<const uint8_t> WindowManagerDescriptor();

// A record of WindowManager's BUTTONS queue: CONTROL (signed 32-bit), ACTION (byte).
std::vector<FieldSpec> ResponseButtonFields();
std::span<const uint8_t> ResponseButtonDescriptor();

// ToolbarDispatcher: LIST, a queue reference.
std::vector<FieldSpec> ToolbarDispatcherFields();
std::span<const uint8_t> ToolbarDispatcherDescriptor();

// A record of ToolbarDispatcher's LIST: ID (signed 32-bit), ITEM (object reference).
std::vector<FieldSpec> ToolbarTargetFields();
std::span<const uint8_t> ToolbarTargetDescriptor();

// SettingsFile: FILENAME, a terminated text of capacity 260.
std::vector<FieldSpec> SettingsFileFields();
std::span<const uint8_t> SettingsFileDescriptor();

// FileManager: the fields its file operations use, in memory order.
std::vector<FieldSpec> FileManagerFields();
std::span<const uint8_t> FileManagerDescriptor();

}  // namespace qor::fw
