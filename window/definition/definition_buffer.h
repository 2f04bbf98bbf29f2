#pragma once
// The definition buffer: a resource body copied to offset 2 behind two zero bytes, so
// that the offsets stored in the body address it directly and offset 0 is the empty
// string. Every read is bounds-checked: a read past the end gives 0 (or an empty
// string) instead of touching memory outside the buffer.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace qor::win {

class DefinitionBuffer {
 public:
  DefinitionBuffer() = default;
  // The body as is, not validated (see ValidateDefinition).
  static DefinitionBuffer WithBody(std::span<const uint8_t> body);
  // The body of a resource (qualified name, NUL, body) whose name equals `qualifiedName`,
  // validated; nullopt when the name differs or the image is malformed.
  static std::optional<DefinitionBuffer> FromResource(std::span<const uint8_t> resource,
                                                      std::string_view qualifiedName);
  // The resource's leading qualified name; nullopt when it has no terminating NUL.
  static std::optional<std::string_view> ResourceQualifiedName(std::span<const uint8_t> resource);

  std::span<const uint8_t> Bytes() const { return bytes_; }
  uint32_t Size() const { return static_cast<uint32_t>(bytes_.size()); }
  bool Empty() const { return bytes_.empty(); }
  // True when `length` bytes starting at `at` lie inside the buffer.
  bool Fits(uint32_t at, uint32_t length) const;
  // True when `at` is 0 or starts a NUL-terminated string inside the buffer.
  bool HoldsString(uint32_t at) const;

  uint8_t U8(uint32_t at) const;
  uint16_t U16(uint32_t at) const;
  int16_t S16(uint32_t at) const { return static_cast<int16_t>(U16(at)); }
  uint32_t U32(uint32_t at) const;
  int32_t S32(uint32_t at) const { return static_cast<int32_t>(U32(at)); }
  double F64(uint32_t at) const;
  // The string at `at`, up to its NUL (or the end of the buffer); 0 gives "".
  std::string_view String(uint32_t at) const;

  uint32_t FirstRecord() const;

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace qor::win
