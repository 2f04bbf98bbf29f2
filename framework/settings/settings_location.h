#pragma once
// Where a settings file lives. A name containing "/" is a path, taken as it is. A bare
// name lives at $XDG_CONFIG_HOME/<stem>/<name>, where the stem is the name up to its
// last "." ("kzt_asm.INI" gives ~/.config/kzt_asm/kzt_asm.INI); when XDG_CONFIG_HOME is
// unset, empty or relative, $HOME/.config stands in for it (the password database's home
// when HOME is unset or empty). Trailing blanks of the name are dropped first.
#include <cstdint>
#include <string>
#include <string_view>

namespace qor::fw {

struct SettingsLocation {
  std::string directory;  // where the file and its temporary file live
  std::string name;       // the file's own name in that directory
  std::string path;       // directory + "/" + name
  int32_t error = 0;      // 90 for an empty name or one ending in "/"; 5 when no home is known
};

SettingsLocation LocateSettingsFile(std::string_view fileName);

}  // namespace qor::fw
