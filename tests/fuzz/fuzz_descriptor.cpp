// Field-descriptor images: decoding never reads past the image, every decoded field
// lies inside its record, and clearing a record of the described size stays inside it.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "framework/descriptors/descriptor_decoder.h"
#include "framework/descriptors/record_clearer.h"

namespace {

constexpr uint32_t kLargestRecordTried = 1 << 16;

void CheckInside(const std::vector<qor::fw::DescribedField>& fields, uint64_t start, uint64_t end) {
  for (const qor::fw::DescribedField& field : fields) {
    if (field.offset < start || uint64_t{field.offset} + field.size > end) __builtin_trap();
    CheckInside(field.members, field.offset, uint64_t{field.offset} + field.size);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qor::fw;
  DecodedDescriptor decoded = DecodeDescriptor(std::span<const uint8_t>(data, size));
  if (!decoded.record) {
    if (decoded.error.empty()) __builtin_trap();
    return 0;
  }
  const DescribedRecord& record = *decoded.record;
  CheckInside(record.fields, 0, record.size);
  if (record.size <= kLargestRecordTried) {
    std::vector<uint8_t> memory(record.size, 0xAA);
    if (!ClearRecord(record, memory)) __builtin_trap();
  }
  return 0;
}
