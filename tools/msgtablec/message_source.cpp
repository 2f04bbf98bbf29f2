#include "tools/msgtablec/message_source.h"

#include <cctype>
#include <charconv>
#include <optional>

namespace qor::tool::msgtablec {
namespace {

constexpr std::string_view kSeverityNames[] = {"quiet", "question", "program", "fatal", "declined", "notify"};

// Walks one line: words, numbers and quoted texts, each after optional blanks.
class LineReader {
 public:
  explicit LineReader(std::string_view line) : line_(line) {}

  std::string_view Word() {
    SkipBlanks();
    size_t start = at_;
    while (at_ < line_.size() && !IsBlank(line_[at_])) ++at_;
    return line_.substr(start, at_ - start);
  }

  std::optional<std::string> Quoted(std::string& error) {
    SkipBlanks();
    if (at_ >= line_.size() || line_[at_] != '"') {
      error = "expected a text in double quotes";
      return std::nullopt;
    }
    std::string text;
    for (++at_; at_ < line_.size(); ++at_) {
      char c = line_[at_];
      if (c == '"') {
        ++at_;
        return text;
      }
      if (c == '\\' && at_ + 1 < line_.size() && (line_[at_ + 1] == '"' || line_[at_ + 1] == '\\')) c = line_[++at_];
      text += c;
    }
    error = "a text without its closing quote";
    return std::nullopt;
  }

  bool AtEnd() {
    SkipBlanks();
    return at_ >= line_.size();
  }

 private:
  static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
  void SkipBlanks() {
    while (at_ < line_.size() && IsBlank(line_[at_])) ++at_;
  }
  std::string_view line_;
  size_t at_ = 0;
};

std::optional<unsigned> Number(std::string_view word, unsigned largest) {
  unsigned value = 0;
  auto [end, problem] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (word.empty() || problem != std::errc() || end != word.data() + word.size() || value > largest) {
    return std::nullopt;
  }
  return value;
}

std::optional<unsigned> Severity(std::string_view word) {
  for (size_t i = 0; i < std::size(kSeverityNames); ++i)
    if (word == kSeverityNames[i]) return static_cast<unsigned>(i);
  return Number(word, 255);
}

// One message line; an error text when it is wrong.
std::string ParseEntry(LineReader& reader, std::string_view first, fw::MessageDefinition& entry) {
  std::optional<unsigned> id = Number(first, 0xFFFF);
  if (!id) return "expected a message id from 0 to 65535, got \"" + std::string(first) + "\"";
  std::string_view severityWord = reader.Word();
  std::optional<unsigned> severity = Severity(severityWord);
  if (!severity) return "expected a severity (0-255 or a name), got \"" + std::string(severityWord) + "\"";
  std::string error;
  std::optional<std::string> title = reader.Quoted(error);
  std::optional<std::string> text = title ? reader.Quoted(error) : std::nullopt;
  if (!text) return error;
  if (!reader.AtEnd()) return "unexpected text after the message";
  if (title->size() > fw::kMessageTextCapacity || text->size() > fw::kMessageTextCapacity) {
    return "a title or text longer than 255 characters";
  }
  entry = {static_cast<uint16_t>(*id), static_cast<uint8_t>(*severity), std::move(*title), std::move(*text)};
  return {};
}

}  // namespace

MessageSource ParseMessageSource(std::string_view text) {
  MessageSource source;
  int lineNumber = 0;
  size_t start = 0;
  while (start <= text.size() && source.error.empty()) {
    size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    start = end == std::string_view::npos ? text.size() + 1 : end + 1;
    ++lineNumber;
    LineReader reader(line);
    std::string_view first = reader.Word();
    if (first.empty() || first.starts_with('#')) continue;
    if (first == "table") {
      source.tableName = reader.Word();
      if (source.tableName.empty() || !reader.AtEnd()) source.error = "expected: table NAME";
    } else {
      fw::MessageDefinition entry;
      source.error = ParseEntry(reader, first, entry);
      if (source.error.empty()) source.definitions.push_back(std::move(entry));
    }
    if (!source.error.empty()) source.errorLine = lineNumber;
  }
  if (source.error.empty() && source.tableName.empty()) source.error = "the source names no table (table NAME)";
  if (source.error.empty() && source.definitions.size() > 0xFFFF) source.error = "more than 65535 messages";
  return source;
}

}  // namespace qor::tool::msgtablec
