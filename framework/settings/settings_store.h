#pragma once
// Reading and rewriting a settings file on disk.
//
// A read creates nothing. A missing file reads as empty; a file that cannot be read (no
// permission, a directory) gives error 5, one above 1 MiB error 36.
//
// A rewrite creates the file's directory (mode 0700) when missing, holds flock on the
// directory for the whole write, removes a temporary file an earlier write left
// behind, reads the file, and when the edit changes it writes the new text to a
// temporary file in the same directory (mode 0600 for a new file, the old mode
// otherwise), fsyncs it, renames it over the file and fsyncs the directory. If any
// step fails the temporary file is removed and the file is left as it was. An
// unreadable file is never rewritten.
#include <cstdint>
#include <functional>
#include <string>

#include "framework/settings/settings_location.h"

namespace qor::fw {

inline constexpr size_t kSettingsFileLimit = 1 << 20;

struct SettingsRead {
  std::string text;
  bool exists = false;
  int32_t error = 0;  // 0, 5 or 36
};

SettingsRead ReadSettingsFile(const std::string& path);

// The edit gets the file's text ("" for a missing file) and returns the new text.
// Returns 0, or the error code: 5 (access denied, read-only), 36 (file too large),
// 90 (any other failure).
using SettingsEdit = std::function<std::string(const std::string& text)>;
int32_t RewriteSettingsFile(const SettingsLocation& location, const SettingsEdit& edit);

// The temporary file a rewrite uses beside the file.
std::string SettingsTemporaryName(const std::string& name);

// For tests: called after the temporary file is synced, just before the rename.
using SettingsWriteHook = void (*)();
void SetSettingsBeforeRenameHook(SettingsWriteHook hook);

}  // namespace qor::fw
