#pragma once
// The text of a settings file and the edits a write makes to it, without any file.
//
// Format: "[Section]" lines and "key=value" lines. Keys and values are trimmed of
// blanks and tabs, and one pair of quotes around a value is removed when reading. A
// line whose first non-blank character is ";" or "#" is a comment (only there: a value
// may hold either character). Section and key names compare without regard to ASCII
// case; the first section of a name and the first key of a name in it win. Bytes are
// not converted. Lines end in LF; a CR before the LF is read as part of the line end.
//
// Edits keep every line they do not change byte for byte. A new key goes after the
// last key line of its section; a changed key keeps its spelling; a new section is
// appended after an empty line (no empty line at the start of a file). A value is
// written in quotes when it begins or ends with a blank or tab, or is itself quoted.
#include <optional>
#include <string>
#include <string_view>

namespace qor::fw {

// Names and values a write accepts: not empty, no CR, LF or NUL; no "=" in a key and
// no "]" in a section; a key may not begin with "[", ";" or "#" (it would read back as
// something else). Names are given trimmed.
bool IsValidSectionName(std::string_view section);
bool IsValidKeyName(std::string_view key);
bool IsValidValue(std::string_view value);

// The value of the key, or nothing when the section or the key is absent.
std::optional<std::string> FindSetting(std::string_view text, std::string_view section, std::string_view key);

// The text with the key set to the value (added when absent).
std::string WithSetting(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value);
// The text without the key (every line of that name in the section).
std::string WithoutSetting(std::string_view text, std::string_view section, std::string_view key);
// The text without any section of that name, its lines included.
std::string WithoutSection(std::string_view text, std::string_view section);

// Blanks and tabs removed from both ends.
std::string_view TrimBlanks(std::string_view text);

}  // namespace qor::fw
