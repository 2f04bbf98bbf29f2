#include "framework/descriptors/field_descriptor.h"

#include <algorithm>
#include <utility>

namespace qor::fw {

uint32_t FieldSize(const FieldSpec& field) {
  switch (field.type) {
    case FieldType::kByte: return 1;
    case FieldType::kShort:
    case FieldType::kUshort: return 2;
    case FieldType::kLong:
    case FieldType::kUlong: return 4;
    case FieldType::kFixedText:
    case FieldType::kCString:
    case FieldType::kPString:
    case FieldType::kReference: return field.width;
    case FieldType::kGroup: {
      long position = 0, end = 0;
      for (const FieldSpec& member : field.members) {
        position += member.shift;
        position += FieldSize(member);
        end = std::max(end, position);
      }
      return static_cast<uint32_t>(end);
    }
  }
  return 0;
}

namespace {
FieldSpec Make(FieldType type, std::string name, uint32_t width = 0) {
  FieldSpec field;
  field.type = type;
  field.name = std::move(name);
  field.width = width;
  return field;
}
}  // namespace

FieldSpec ByteField(std::string name) { return Make(FieldType::kByte, std::move(name)); }
FieldSpec ShortField(std::string name) { return Make(FieldType::kShort, std::move(name)); }
FieldSpec UshortField(std::string name) { return Make(FieldType::kUshort, std::move(name)); }
FieldSpec LongField(std::string name) { return Make(FieldType::kLong, std::move(name)); }
FieldSpec UlongField(std::string name) { return Make(FieldType::kUlong, std::move(name)); }

FieldSpec FixedTextField(std::string name, uint32_t capacity) {
  return Make(FieldType::kFixedText, std::move(name), capacity);
}
FieldSpec CStringField(std::string name, uint32_t capacity) {
  return Make(FieldType::kCString, std::move(name), capacity);
}
FieldSpec PStringField(std::string name, uint32_t capacity) {
  return Make(FieldType::kPString, std::move(name), capacity);
}
FieldSpec ReferenceField(std::string name) { return Make(FieldType::kReference, std::move(name), 4); }
FieldSpec TextReferenceField(std::string name) {
  return Make(FieldType::kReference, std::move(name), 8);
}

FieldSpec GroupField(std::string name, std::vector<FieldSpec> members) {
  FieldSpec field = Make(FieldType::kGroup, std::move(name));
  field.members = std::move(members);
  return field;
}

FieldSpec Overlaying(FieldSpec field) {
  field.shift -= 4;
  return field;
}

}  // namespace qor::fw
