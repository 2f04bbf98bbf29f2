#include "window/definition/definition_buffer.h"

#include <cstring>

#include "window/definition/layout.h"
#include "window/definition/validate.h"

namespace qor::win {

DefinitionBuffer DefinitionBuffer::WithBody(std::span<const uint8_t> body) {
  DefinitionBuffer buffer;
  buffer.bytes_.reserve(body.size() + layout::kBodyStart);
  buffer.bytes_.assign(layout::kBodyStart, 0);
  buffer.bytes_.insert(buffer.bytes_.end(), body.begin(), body.end());
  return buffer;
}

std::optional<std::string_view> DefinitionBuffer::ResourceQualifiedName(std::span<const uint8_t> resource) {
  const void* nul = std::memchr(resource.data(), 0, resource.size());
  if (!nul) return std::nullopt;
  size_t length = static_cast<size_t>(static_cast<const uint8_t*>(nul) - resource.data());
  return std::string_view(reinterpret_cast<const char*>(resource.data()), length);
}

std::optional<DefinitionBuffer> DefinitionBuffer::FromResource(std::span<const uint8_t> resource,
                                                               std::string_view qualifiedName) {
  std::optional<std::string_view> name = ResourceQualifiedName(resource);
  if (!name || *name != qualifiedName) return std::nullopt;
  // The buffer is addressed by 32-bit offsets: a larger body cannot be a definition.
  if (resource.size() - name->size() - 1 > UINT32_MAX - layout::kBodyStart) return std::nullopt;
  DefinitionBuffer buffer = WithBody(resource.subspan(name->size() + 1));
  if (!ValidateDefinition(buffer)) return std::nullopt;
  return buffer;
}

bool DefinitionBuffer::Fits(uint32_t at, uint32_t length) const {
  return at <= bytes_.size() && length <= bytes_.size() - at;
}

bool DefinitionBuffer::HoldsString(uint32_t at) const {
  if (at == 0) return true;
  if (at >= bytes_.size()) return false;
  return std::memchr(bytes_.data() + at, 0, bytes_.size() - at) != nullptr;
}

uint8_t DefinitionBuffer::U8(uint32_t at) const {
  return Fits(at, 1) ? bytes_[at] : 0;
}

uint16_t DefinitionBuffer::U16(uint32_t at) const {
  if (!Fits(at, 2)) return 0;
  return static_cast<uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
}

uint32_t DefinitionBuffer::U32(uint32_t at) const {
  if (!Fits(at, 4)) return 0;
  return static_cast<uint32_t>(bytes_[at]) | static_cast<uint32_t>(bytes_[at + 1]) << 8 |
         static_cast<uint32_t>(bytes_[at + 2]) << 16 | static_cast<uint32_t>(bytes_[at + 3]) << 24;
}

double DefinitionBuffer::F64(uint32_t at) const {
  if (!Fits(at, 8)) return 0;
  uint64_t bits = static_cast<uint64_t>(U32(at)) | static_cast<uint64_t>(U32(at + 4)) << 32;
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

std::string_view DefinitionBuffer::String(uint32_t at) const {
  if (at == 0 || at >= bytes_.size()) return {};
  const char* start = reinterpret_cast<const char*>(bytes_.data() + at);
  const void* nul = std::memchr(start, 0, bytes_.size() - at);
  size_t length = nul ? static_cast<size_t>(static_cast<const char*>(nul) - start) : bytes_.size() - at;
  return std::string_view(start, length);
}

uint32_t DefinitionBuffer::FirstRecord() const {
  return U32(layout::kFirstRecordField);
}

}  // namespace qor::win
