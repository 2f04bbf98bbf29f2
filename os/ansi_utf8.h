#pragma once
// Texts between the ANSI set (code page 1252), in which the system keeps them, and UTF-8,
// in which the desktop hands them over (clipboard, typed text, window titles).
#include <string>
#include <string_view>

namespace qor::os {

std::string AnsiToUtf8(std::string_view ansi);
// Characters the ANSI set lacks become `missing`; malformed UTF-8 bytes too, one each.
std::string Utf8ToAnsi(std::string_view utf8, char missing = '?');

}  // namespace qor::os
