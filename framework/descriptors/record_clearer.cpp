#include "framework/descriptors/record_clearer.h"

#include <cstring>

namespace qor::fw {
namespace {

void Visit(const std::vector<DescribedField>& fields, const std::function<void(const DescribedField&)>& visit) {
  for (const DescribedField& field : fields) {
    visit(field);
    Visit(field.members, visit);
  }
}

void ClearField(const DescribedField& field, uint8_t* record) {
  if (field.type == FieldType::kGroup) return;  // its members are visited in turn
  uint8_t fill = field.type == FieldType::kFixedText ? ' ' : 0;
  std::memset(record + field.offset, fill, field.size);
}

}  // namespace

void ForEachField(const DescribedRecord& record, const std::function<void(const DescribedField&)>& visit) {
  Visit(record.fields, visit);
}

bool ClearRecord(const DescribedRecord& record, std::span<uint8_t> memory) {
  if (memory.size() < record.size) return false;
  ForEachField(record, [&](const DescribedField& field) { ClearField(field, memory.data()); });
  return true;
}

bool ClearDescribedRecord(std::span<const uint8_t> descriptor, std::span<uint8_t> memory) {
  DecodedDescriptor decoded = DecodeDescriptor(descriptor);
  return decoded.record && ClearRecord(*decoded.record, memory);
}

}  // namespace qor::fw
