// Bound variables read as text and stored from text.
#include "window/controls/field_values/variable_text.h"

#include <charconv>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "runtime/values/variable_reference.h"

namespace qor::win {
namespace {

struct IntegerShape {
  uint32_t bytes;  // 0: not an integer type
  bool isSigned;
};

IntegerShape IntegerShapeOf(uint8_t typeCode, uint32_t size) {
  switch (typeCode) {
    case rt::kTypeByte: return {1, false};
    case rt::kTypeShort: return {2, true};
    case rt::kTypeUshort: return {2, false};
    case rt::kTypeDate:
    case rt::kTypeTime:
    case rt::kTypeLong: return {4, true};
    case rt::kTypeUlong: return {4, false};
    case rt::kTypeSizedSigned: return {size >= 1 && size <= 8 ? size : 0, true};
    case rt::kTypeSizedUnsigned: return {size >= 1 && size <= 8 ? size : 0, false};
    default: return {0, false};
  }
}

// Little-endian bytes of the machine's integers.
uint64_t ReadBytes(const void* address, uint32_t bytes) {
  uint64_t raw = 0;
  std::memcpy(&raw, address, bytes);
  return raw;
}

std::string IntegerText(const void* address, IntegerShape shape) {
  uint64_t raw = ReadBytes(address, shape.bytes);
  if (!shape.isSigned) return std::to_string(raw);
  unsigned shift = 64 - shape.bytes * 8;
  int64_t value = static_cast<int64_t>(raw << shift) >> shift;
  return std::to_string(value);
}

std::string RealText(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.15g", value);
  return buffer;
}

// The integer part of a checked number text ("-12.5" keeps -12), wrapped to the type's
// bytes.
void StoreInteger(void* address, IntegerShape shape, std::string_view value) {
  bool negative = !value.empty() && value.front() == '-';
  if (!value.empty() && (value.front() == '-' || value.front() == '+')) value.remove_prefix(1);
  uint64_t magnitude = 0;
  std::from_chars(value.data(), value.data() + value.size(), magnitude);
  uint64_t raw = negative ? ~magnitude + 1 : magnitude;
  std::memcpy(address, &raw, shape.bytes);
}

}  // namespace

bool IsNumericType(uint8_t typeCode) {
  return IntegerShapeOf(typeCode, 8).bytes != 0 || typeCode == rt::kTypeSreal || typeCode == rt::kTypeReal;
}

bool IsTextType(uint8_t typeCode) { return typeCode == rt::kTypeString || typeCode == rt::kTypeCString; }

std::string VariableValueText(const void* address, uint8_t typeCode, uint32_t size) {
  IntegerShape shape = IntegerShapeOf(typeCode, size);
  if (shape.bytes != 0) return IntegerText(address, shape);
  const char* bytes = static_cast<const char*>(address);
  switch (typeCode) {
    case rt::kTypeSreal: {
      float value;
      std::memcpy(&value, address, sizeof value);
      return RealText(value);
    }
    case rt::kTypeReal: {
      double value;
      std::memcpy(&value, address, sizeof value);
      return RealText(value);
    }
    case rt::kTypeString: return std::string(bytes, size);
    case rt::kTypeCString: return std::string(bytes, strnlen(bytes, size));
    default: return {};
  }
}

std::string FormatVariable(const rt::CompiledPicture& picture, const void* address, uint8_t typeCode, uint32_t size) {
  return rt::FormatText(picture, VariableValueText(address, typeCode, size));
}

bool StoreVariableText(void* address, uint8_t typeCode, uint32_t size, std::string_view value) {
  IntegerShape shape = IntegerShapeOf(typeCode, size);
  if (shape.bytes != 0) {
    StoreInteger(address, shape, value);
    return true;
  }
  char* bytes = static_cast<char*>(address);
  switch (typeCode) {
    case rt::kTypeSreal: {
      float number = std::strtof(std::string(value).c_str(), nullptr);
      std::memcpy(address, &number, sizeof number);
      return true;
    }
    case rt::kTypeReal: {
      double number = std::strtod(std::string(value).c_str(), nullptr);
      std::memcpy(address, &number, sizeof number);
      return true;
    }
    case rt::kTypeString: {
      size_t copied = std::min<size_t>(value.size(), size);
      std::memcpy(bytes, value.data(), copied);
      std::memset(bytes + copied, ' ', size - copied);
      return true;
    }
    case rt::kTypeCString: {
      if (size == 0) return true;
      size_t copied = std::min<size_t>(value.size(), size - 1);
      std::memcpy(bytes, value.data(), copied);
      bytes[copied] = '\0';
      return true;
    }
    default: return false;
  }
}

}  // namespace qor::win
