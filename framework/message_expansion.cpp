#include "framework/message_expansion.h"

#include <array>
#include <utility>

namespace qor::fw {
namespace {

bool IsBlank(const std::string& value) { return value.find_first_not_of(' ') == std::string::npos; }

std::string ErrorTextValue(const PlaceholderValues& v) {
  if (v.errorCode == kFileSystemError) return v.fileError + " (" + v.fileErrorCode + ")";
  return v.error + " (" + std::to_string(v.errorCode) + ")";
}

// Longest first, so that "%FileErrorCode" is never read as "%FileError" or "%File".
std::array<std::pair<std::string_view, std::string>, 9> Placeholders(const PlaceholderValues& v) {
  return {{
      {"%FileErrorCode", v.fileErrorCode},
      {"%ErrorCode", std::to_string(v.errorCode)},
      {"%ErrorText", ErrorTextValue(v)},
      {"%FileError", v.fileError},
      {"%Previous", v.previous},
      {"%Message", v.message},
      {"%Error", v.error},
      {"%Field", v.field},
      {"%File", v.file},
  }};
}

}  // namespace

std::string ExpandPlaceholders(std::string_view text, const PlaceholderValues& values) {
  text = text.substr(0, kExpandedMessageLimit);
  const auto placeholders = Placeholders(values);
  std::string out;
  for (size_t i = 0; i < text.size() && out.size() < kExpandedMessageLimit;) {
    bool replaced = false;
    if (text[i] == '%') {
      for (const auto& [name, value] : placeholders) {
        if (text.substr(i, name.size()) != name) continue;
        if (!IsBlank(value)) out += value;
        i += name.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) out += text[i++];
  }
  if (out.size() > kExpandedMessageLimit) out.resize(kExpandedMessageLimit);
  return out;
}

}  // namespace qor::fw
