#include "framework/message_table/message_table.h"

namespace qor::fw {
namespace {

void PutWord(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value & 0xFF));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutText(std::vector<uint8_t>& out, const std::string& text) {
  out.push_back(static_cast<uint8_t>(text.size()));
  out.insert(out.end(), text.begin(), text.end());
}

// Reads forwards through the table; every read fails once the bytes run out.
class TableReader {
 public:
  explicit TableReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  std::optional<uint16_t> Word() {
    if (left() < 2) return std::nullopt;
    uint16_t value = static_cast<uint16_t>(bytes_[at_] | bytes_[at_ + 1] << 8);
    at_ += 2;
    return value;
  }
  std::optional<uint8_t> Byte() {
    if (left() < 1) return std::nullopt;
    return bytes_[at_++];
  }
  std::optional<std::string> Text() {
    std::optional<uint8_t> length = Byte();
    if (!length || left() < *length) return std::nullopt;
    std::string text(reinterpret_cast<const char*>(bytes_.data() + at_), *length);
    at_ += *length;
    return text;
  }

 private:
  size_t left() const { return bytes_.size() - at_; }
  std::span<const uint8_t> bytes_;
  size_t at_ = 0;
};

std::optional<MessageDefinition> ReadEntry(TableReader& reader) {
  std::optional<uint16_t> id = reader.Word();
  std::optional<uint8_t> severity = id ? reader.Byte() : std::nullopt;
  std::optional<std::string> title = severity ? reader.Text() : std::nullopt;
  std::optional<std::string> text = title ? reader.Text() : std::nullopt;
  if (!text) return std::nullopt;
  return MessageDefinition{*id, *severity, std::move(*title), std::move(*text)};
}

}  // namespace

std::optional<std::vector<uint8_t>> PackMessageTable(const std::vector<MessageDefinition>& definitions) {
  if (definitions.size() > 0xFFFF) return std::nullopt;
  std::vector<uint8_t> out;
  PutWord(out, static_cast<uint16_t>(definitions.size()));
  for (const MessageDefinition& d : definitions) {
    if (d.title.size() > kMessageTextCapacity || d.text.size() > kMessageTextCapacity) return std::nullopt;
    PutWord(out, d.id);
    out.push_back(d.severity);
    PutText(out, d.title);
    PutText(out, d.text);
  }
  return out;
}

std::vector<MessageDefinition> UnpackMessageTable(std::span<const uint8_t> table) {
  TableReader reader(table);
  std::vector<MessageDefinition> definitions;
  std::optional<uint16_t> count = reader.Word();
  for (uint32_t i = 0; count && i < *count; ++i) {
    std::optional<MessageDefinition> entry = ReadEntry(reader);
    if (!entry) break;
    definitions.push_back(std::move(*entry));
  }
  return definitions;
}

}  // namespace qor::fw
