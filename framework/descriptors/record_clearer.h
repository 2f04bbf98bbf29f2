#pragma once
// The walker that clears a described record, as the runtime does for a new object
// before its set-up code assigns defaults: numbers 0, fixed texts blank, terminated
// and length-prefixed texts empty (all 0), references null. Nested groups are walked
// field by field; bytes no field describes (an object's method-table word) are left
// alone.
#include <cstdint>
#include <functional>
#include <span>

#include "framework/descriptors/descriptor_decoder.h"

namespace qor::fw {

// Visits every field in descriptor order, a group before its members.
void ForEachField(const DescribedRecord& record, const std::function<void(const DescribedField&)>& visit);

// False, touching nothing, when the memory is shorter than the described size.
bool ClearRecord(const DescribedRecord& record, std::span<uint8_t> memory);

// Decodes the image and clears the memory by it; false, touching nothing, when the
// image is not a valid descriptor or the memory is too short.
bool ClearDescribedRecord(std::span<const uint8_t> descriptor, std::span<uint8_t> memory);

}  // namespace qor::fw
