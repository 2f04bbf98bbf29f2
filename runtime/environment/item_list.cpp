#include "runtime/environment/item_list.h"

namespace qor::rt {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ','; }

std::string_view SkipLeadingBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return s;
}

// Reads one item starting at `pos` (on its first character); leaves `pos` after it.
std::string ReadItem(std::string_view list, size_t& pos) {
  std::string item;
  if (list[pos] != '"') {
    while (pos < list.size() && !IsSeparator(list[pos])) item += list[pos++];
    return item;
  }
  ++pos;
  while (pos < list.size()) {
    char c = list[pos++];
    if (c != '"') {
      item += c;
    } else if (pos < list.size() && list[pos] == '"') {
      item += '"';
      ++pos;
    } else {
      break;
    }
  }
  return item;
}

}  // namespace

std::string QuotedList(std::string_view value, bool commasSeparate) {
  value = SkipLeadingBlanks(value);
  std::string list;
  if (!value.empty() && value.front() == '"') {
    list = value;
  } else {
    list = "\"";
    for (char c : value) {
      if (c == '"') list += "\"\"";
      else if (c == ',' && commasSeparate) list += "\",\"";
      else list += c;
    }
    list += '"';
  }
  if (list.size() > kQuotedListLimit) list.resize(kQuotedListLimit);
  return list;
}

std::optional<std::string> ListItem(std::string_view list, int n) {
  size_t pos = 0;
  for (int index = 0;; ++index) {
    while (pos < list.size() && IsSeparator(list[pos])) ++pos;
    if (pos >= list.size()) return std::nullopt;
    std::string item = ReadItem(list, pos);
    if (index == n) return item;
  }
}

std::string SingleValue(std::string_view value) {
  value = SkipLeadingBlanks(value);
  while (!value.empty() && IsBlank(value.back())) value.remove_suffix(1);
  std::string out;
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    std::string_view inner = value.substr(1, value.size() - 2);
    for (size_t i = 0; i < inner.size(); ++i) {
      out += inner[i];
      if (inner[i] == '"' && i + 1 < inner.size() && inner[i + 1] == '"') ++i;
    }
  } else {
    out = value;
  }
  if (out.size() > kSingleValueLimit) out.resize(kSingleValueLimit);
  return out;
}

}  // namespace qor::rt
