#include "framework/settings/settings_text.h"

#include <vector>

#include "os/ascii_case.h"

namespace qor::fw {
namespace {

enum class LineKind { kBlank, kComment, kSection, kKey, kOther };

struct Line {
  size_t begin = 0;  // first byte
  size_t end = 0;    // end of the content: before the CR LF, LF or end of text
  size_t next = 0;   // first byte of the next line
  LineKind kind = LineKind::kOther;
  std::string_view name;   // section or key, trimmed
  std::string_view value;  // key lines: trimmed, quotes still on
};

void Classify(Line& line, std::string_view content) {
  std::string_view t = TrimBlanks(content);
  if (t.empty()) {
    line.kind = LineKind::kBlank;
  } else if (t[0] == ';' || t[0] == '#') {
    line.kind = LineKind::kComment;
  } else if (t[0] == '[') {
    size_t close = t.find(']');
    if (close == std::string_view::npos) return;
    line.kind = LineKind::kSection;
    line.name = TrimBlanks(t.substr(1, close - 1));
  } else if (size_t equals = t.find('='); equals != std::string_view::npos) {
    line.name = TrimBlanks(t.substr(0, equals));
    if (line.name.empty()) return;
    line.kind = LineKind::kKey;
    line.value = TrimBlanks(t.substr(equals + 1));
  }
}

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  size_t at = 0;
  while (at < text.size()) {
    Line line;
    line.begin = at;
    size_t lf = text.find('\n', at);
    line.next = lf == std::string_view::npos ? text.size() : lf + 1;
    line.end = lf == std::string_view::npos ? text.size() : lf;
    if (line.end > line.begin && text[line.end - 1] == '\r') --line.end;
    Classify(line, text.substr(line.begin, line.end - line.begin));
    lines.push_back(line);
    at = line.next;
  }
  return lines;
}

// Lines [first, last) of a section: its header, then everything to the next header.
struct Block {
  size_t first;
  size_t last;
};

std::optional<Block> NextBlock(const std::vector<Line>& lines, std::string_view section, size_t from) {
  for (size_t i = from; i < lines.size(); ++i) {
    if (lines[i].kind != LineKind::kSection || !os::SameIgnoringCase(lines[i].name, section)) continue;
    size_t last = i + 1;
    while (last < lines.size() && lines[last].kind != LineKind::kSection) ++last;
    return Block{i, last};
  }
  return std::nullopt;
}

std::optional<size_t> FindKeyLine(const std::vector<Line>& lines, const Block& block, std::string_view key) {
  for (size_t i = block.first + 1; i < block.last; ++i)
    if (lines[i].kind == LineKind::kKey && os::SameIgnoringCase(lines[i].name, key)) return i;
  return std::nullopt;
}

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') return value.substr(1, value.size() - 2);
  return value;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Encoded(std::string_view key, std::string_view value) {
  bool quote = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) ||
                                  (value.size() >= 2 && value.front() == '"' && value.back() == '"'));
  std::string line(key);
  line += '=';
  if (quote) line += '"';
  line += value;
  if (quote) line += '"';
  return line;
}

bool HasBadCharacter(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// Text with the lines [first, last) of `lines` left out.
std::string WithoutLines(std::string_view text, const std::vector<Line>& lines, const std::vector<bool>& drop) {
  std::string out;
  for (size_t i = 0; i < lines.size(); ++i)
    if (!drop[i]) out.append(text.substr(lines[i].begin, lines[i].next - lines[i].begin));
  return out;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsValidSectionName(std::string_view section) {
  return !section.empty() && !HasBadCharacter(section) && section.find(']') == std::string_view::npos;
}

bool IsValidKeyName(std::string_view key) {
  return !key.empty() && !HasBadCharacter(key) && key.find('=') == std::string_view::npos && key[0] != '[' &&
         key[0] != ';' && key[0] != '#';
}

bool IsValidValue(std::string_view value) { return !value.empty() && !HasBadCharacter(value); }

std::optional<std::string> FindSetting(std::string_view text, std::string_view section, std::string_view key) {
  std::vector<Line> lines = SplitLines(text);
  std::optional<Block> block = NextBlock(lines, section, 0);
  if (!block) return std::nullopt;
  std::optional<size_t> at = FindKeyLine(lines, *block, key);
  if (!at) return std::nullopt;
  return std::string(Unquoted(lines[*at].value));
}

std::string WithSetting(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value) {
  std::vector<Line> lines = SplitLines(text);
  std::optional<Block> block = NextBlock(lines, section, 0);
  std::string out(text);
  if (!block) {
    bool endsBlank = !lines.empty() && lines.back().kind == LineKind::kBlank;
    if (!out.empty() && out.back() != '\n') out += '\n';
    if (!out.empty() && !endsBlank) out += '\n';
    out += '[';
    out.append(section);
    out += "]\n";
    return out + Encoded(key, value) + '\n';
  }
  if (std::optional<size_t> at = FindKeyLine(lines, *block, key)) {
    const Line& line = lines[*at];
    return out.replace(line.begin, line.end - line.begin, Encoded(line.name, value));
  }
  size_t after = block->first;
  for (size_t i = block->first + 1; i < block->last; ++i)
    if (lines[i].kind == LineKind::kKey) after = i;
  const Line& anchor = lines[after];
  std::string inserted = Encoded(key, value) + '\n';
  if (anchor.next == text.size() && text.back() != '\n') inserted.insert(inserted.begin(), '\n');  // no LF yet
  return out.insert(anchor.next, inserted);
}

std::string WithoutSetting(std::string_view text, std::string_view section, std::string_view key) {
  std::vector<Line> lines = SplitLines(text);
  std::optional<Block> block = NextBlock(lines, section, 0);
  if (!block) return std::string(text);
  std::vector<bool> drop(lines.size(), false);
  for (size_t i = block->first + 1; i < block->last; ++i)
    drop[i] = lines[i].kind == LineKind::kKey && os::SameIgnoringCase(lines[i].name, key);
  return WithoutLines(text, lines, drop);
}

std::string WithoutSection(std::string_view text, std::string_view section) {
  std::vector<Line> lines = SplitLines(text);
  std::vector<bool> drop(lines.size(), false);
  for (std::optional<Block> block = NextBlock(lines, section, 0); block; block = NextBlock(lines, section, block->last))
    for (size_t i = block->first; i < block->last; ++i) drop[i] = true;
  return WithoutLines(text, lines, drop);
}

}  // namespace qor::fw
