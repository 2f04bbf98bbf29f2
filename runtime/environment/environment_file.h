#pragma once
// The environment file: lines of NAME=value that let an installation change the
// character set, collation, case pairs, month names, AM/PM texts, digraphs, button
// captions, long-file-name use and any run-time message. The runtime reads it once
// at start-up, beside the executable under the executable's name with ".ENV". It
// never writes a file.
#include <functional>
#include <string>
#include <string_view>

namespace qor::rt {

inline constexpr size_t kEnvironmentNameLimit = 31;
inline constexpr size_t kEnvironmentValueLimit = 1024;
inline constexpr size_t kEnvironmentReadBuffer = 2048;
// An environment file larger than this is not read (error 36, "Invalid Data File"); only
// regular files are read at all (error 5 otherwise).
inline constexpr size_t kEnvironmentFileLimit = 1 << 20;

// Hears each setting as it is applied: its name in capitals ("QORMSG2" for a
// message) and its value as used (escapes resolved, converted to ANSI).
using EnvironmentObserver = std::function<void(std::string_view name, std::string_view value)>;

// Splits the bytes of an environment file into (name, value) pairs and hands each
// to `apply`, in order. Names keep their first 31 characters without blanks;
// values their first 1024 bytes with the "<" escapes resolved and trailing blanks
// and tabs removed. A Ctrl-Z byte ends the text.
void ParseEnvironmentText(std::string_view bytes,
                          const std::function<void(const std::string& name, const std::string& value)>& apply);

// Reads and applies an environment file. "WINDOWS" (any case) applies the
// platform's collation, case pairs and AM/PM texts instead; an empty name opens
// nothing. A file that cannot be opened sets the error state (2 for a missing
// file) and returns false. The error state is cleared first.
bool ReadEnvironment(std::string_view fileName, const EnvironmentObserver& observer = {});

// The environment file's name for an executable: the extension of its last path
// component (if any) replaced by ".ENV".
std::string EnvironmentFileFor(std::string_view executablePath);

// Start-up: reads the file beside the executable; a missing file leaves no trace in
// the error state.
void ReadStartupEnvironment();

}  // namespace qor::rt
