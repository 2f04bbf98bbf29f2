#include "framework/error_manager_descriptor.h"

#include "framework/descriptors/descriptor_encoder.h"

namespace qor::fw {
namespace {

constexpr uint32_t kTextFieldCapacity = 255;

FieldSpec Unnamed(FieldSpec field) {
  field.name.clear();
  return field;
}

}  // namespace

std::vector<FieldSpec> ErrorManagerFields() {
  return {
      ReferenceField("ERRORS"),
      CStringField("FIELDNAME", kTextFieldCapacity),
      CStringField("FILENAME", kTextFieldCapacity),
      CStringField("MESSAGETEXT", kTextFieldCapacity),
      CStringField("SAVEERROR", kTextFieldCapacity),
      LongField("SAVEERRORCODE"),
      CStringField("SAVEFILEERROR", kTextFieldCapacity),
      CStringField("SAVEFILEERRORCODE", kTextFieldCapacity),
  };
}

std::span<const uint8_t> ErrorManagerDescriptor() {
  static const EncodedDescriptor encoded = EncodeClassDescriptor(ErrorManagerFields());
  return encoded.bytes;
}

std::vector<FieldSpec> MessageDefinitionFields() {
  return {UshortField("ID"), TextReferenceField("MESSAGE"), TextReferenceField("TITLE"), ByteField("FATALITY")};
}

std::span<const uint8_t> MessageDefinitionDescriptor() {
  static const EncodedDescriptor encoded = EncodeGroupDescriptor(MessageDefinitionFields());
  return encoded.bytes;
}

std::vector<FieldSpec> MessageTableFields(const std::vector<MessageDefinition>& definitions) {
  std::vector<FieldSpec> fields = {UshortField("NUMBER")};
  for (const MessageDefinition& d : definitions) {
    fields.push_back(Unnamed(UshortField("ID")));
    fields.push_back(Unnamed(ByteField("SEVERITY")));
    fields.push_back(Unnamed(PStringField("TITLE", static_cast<uint32_t>(d.title.size()) + 1)));
    fields.push_back(Unnamed(PStringField("TEXT", static_cast<uint32_t>(d.text.size()) + 1)));
  }
  return fields;
}

}  // namespace qor::fw
