#pragma once
// Message texts of the numbered errors: overrides first (set from the environment
// file), then the program's string resource whose identifier is the code.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qor::rt {

inline constexpr int32_t kUnknownErrorPosted = 81;  // stands in for codes with no text
inline constexpr size_t kMessageTextLimit = 255;

// The text for a code, at most 255 characters. Never fails: a code with neither an
// override nor a resource reads as the text of 81, " : " and the code in decimal.
// A code of 0 is treated as 81.
std::string MessageText(int32_t code);

// Replaces the text of one code everywhere it is shown; a second override of the same
// code replaces the first. Texts longer than 255 characters are cut there.
void SetMessageOverride(int32_t code, std::string_view text);
void ClearMessageOverrides();
// The override of one code, read straight from the list (none when there is none).
std::optional<std::string> MessageOverride(int32_t code);

}  // namespace qor::rt
