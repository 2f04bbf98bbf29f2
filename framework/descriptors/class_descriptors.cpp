#include "framework/descriptors/class_descriptors.h"

#include "framework/descriptors/descriptor_encoder.h"

namespace qor::fw {
namespace {

// The lists below are fixed; a refused list would show as an empty image in the
// descriptor tests.
std::span<const uint8_t> Bytes(const EncodedDescriptor& encoded) { return encoded.bytes; }

}  // namespace

std::vector<FieldSpec> WindowManagerFields() {
  return {
      ByteField("AUTOREFRESH"),
      ByteField("AUTOTOOLBAR"),
      ReferenceField("BROWSES"),
      ReferenceField("BUTTONS"),
      ReferenceField("FILEDROPS"),
      ByteField("CANCELACTION"),
      ByteField("CHANGEACTION"),
      ByteField("DEAD"),
      ByteField("DELETEACTION"),
      ReferenceField("ERRORS"),
      ReferenceField("FILES"),
      LongField("FIRSTFIELD"),
      ByteField("FORCEDRESET"),
      ByteField("RESETONGAINFOCUS"),
      ReferenceField("HISTORY"),
      LongField("HISTORYKEY"),
      ByteField("INITED"),
      ByteField("INSERTACTION"),
      FixedTextField("LASTINSERTEDPOSITION", 512),
      LongField("OKCONTROL"),
      ByteField("OPENED"),
      ByteField("ORIGINALREQUEST"),
      ReferenceField("PRIMARY"),
      ByteField("REQUEST"),
      ReferenceField("RESIZE"),
      ByteField("RESPONSE"),
      UshortField("SAVED"),
      ReferenceField("TOOLBAR"),
      ReferenceField("TRANSLATOR"),
      ReferenceField("VCRREQUEST"),
  };
}

std::span<const uint8_t> WindowManagerDescriptor() {
  static const EncodedDescriptor encoded = EncodeClassDescriptor(WindowManagerFields());
  return Bytes(encoded);
}

std::vector<FieldSpec> ResponseButtonFields() { return {LongField("CONTROL"), ByteField("ACTION")}; }

std::span<const uint8_t> ResponseButtonDescriptor() {
  static const EncodedDescriptor encoded = EncodeGroupDescriptor(ResponseButtonFields());
  return Bytes(encoded);
}

std::vector<FieldSpec> ToolbarDispatcherFields() { return {ReferenceField("LIST")}; }

std::span<const uint8_t> ToolbarDispatcherDescriptor() {
  static const EncodedDescriptor encoded = EncodeClassDescriptor(ToolbarDispatcherFields());
  return Bytes(encoded);
}

std::vector<FieldSpec> ToolbarTargetFields() { return {LongField("ID"), ReferenceField("ITEM")}; }

std::span<const uint8_t> ToolbarTargetDescriptor() {
  static const EncodedDescriptor encoded = EncodeGroupDescriptor(ToolbarTargetFields());
  return Bytes(encoded);
}

std::vector<FieldSpec> SettingsFileFields() { return {CStringField("FILENAME", 260)}; }

std::span<const uint8_t> SettingsFileDescriptor() {
  static const EncodedDescriptor encoded = EncodeClassDescriptor(SettingsFileFields());
  return Bytes(encoded);
}

// The record buffer and the file-name variable are text references (address and
// length); the runtime's file object is a 4-byte reference.
std::vector<FieldSpec> FileManagerFields() {
  return {
      TextReferenceField("BUFFER"),
      ReferenceField("SNAPSHOTS"),
      ByteField("CREATEIFMISSING"),
      ReferenceField("FILEERRORS"),
      ReferenceField("FILE"),
      TextReferenceField("FILENAMEVALUE"),
      FixedTextField("FILENAME", 256),
      ReferenceField("THREADOPENS"),
      ReferenceField("FILEKEYS"),
      ByteField("LAZYOPEN"),
      ShortField("RECOVERVALUE"),
      ByteField("OPENMODE"),
      ByteField("KEYNUMBER"),
  };
}

std::span<const uint8_t> FileManagerDescriptor() {
  static const EncodedDescriptor encoded = EncodeClassDescriptor(FileManagerFields());
  return Bytes(encoded);
}

}  // namespace qor::fw
