#pragma once
// The error manager's message tables, packed as the program stores them (little-endian,
// no padding): a 16-bit count, then that many entries, each a 16-bit id, an 8-bit
// severity, and the title and the text as length-prefixed texts (one length byte, then
// the characters, no terminator).
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qor::fw {

struct MessageDefinition {
  uint16_t id = 0;
  uint8_t severity = 0;
  std::string title;
  std::string text;

  bool operator==(const MessageDefinition&) const = default;
};

inline constexpr size_t kMessageTextCapacity = 255;  // what one length byte counts

// None when there are more than 65535 entries or a title or text is longer than 255.
std::optional<std::vector<uint8_t>> PackMessageTable(const std::vector<MessageDefinition>& definitions);

// The entries of a packed table, in table order. A count or a length that runs past the
// end of the bytes gives the whole entries before it and nothing is read beyond the end.
std::vector<MessageDefinition> UnpackMessageTable(std::span<const uint8_t> table);

}  // namespace qor::fw
