#pragma once
// Helpers for writing expected descriptor images in tests: little-endian numbers and
// NUL-terminated names appended to a byte list.
#include <cstdint>
#include <string_view>
#include <vector>

namespace qor::fw::test {

inline void Append(std::vector<uint8_t>& out, std::initializer_list<uint8_t> bytes) {
  out.insert(out.end(), bytes);
}

inline void AppendU32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

inline void AppendName(std::vector<uint8_t>& out, std::string_view name) {
  out.insert(out.end(), name.begin(), name.end());
  out.push_back(0);
}

inline std::vector<uint8_t> Header(uint32_t size, uint32_t count, uint32_t length) {
  std::vector<uint8_t> out{0x16, 0x00};
  AppendU32(out, size);
  AppendU32(out, count);
  AppendU32(out, length);
  return out;
}

}  // namespace qor::fw::test
