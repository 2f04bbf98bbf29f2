#include "framework/settings/settings_location.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace qor::fw {
namespace {

constexpr int32_t kErrorAccessDenied = 5;
constexpr int32_t kErrorFileSystem = 90;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string HomeDirectory() {
  std::string home = Environment("HOME");
  if (!home.empty()) return home;
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
    return found->pw_dir;
  return "";
}

std::string ConfigurationBase() {
  std::string xdg = Environment("XDG_CONFIG_HOME");
  if (!xdg.empty() && xdg.front() == '/') return xdg;
  std::string home = HomeDirectory();
  return home.empty() ? "" : home + "/.config";
}

std::string Stem(std::string_view name) {
  size_t dot = name.rfind('.');
  return std::string(dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot));
}

}  // namespace

SettingsLocation LocateSettingsFile(std::string_view fileName) {
  SettingsLocation location;
  while (!fileName.empty() && fileName.back() == ' ') fileName.remove_suffix(1);
  size_t slash = fileName.rfind('/');
  if (fileName.empty() || slash + 1 == fileName.size()) {
    location.error = kErrorFileSystem;
    return location;
  }
  if (slash != std::string_view::npos) {
    location.directory = slash == 0 ? "/" : std::string(fileName.substr(0, slash));
    location.name = std::string(fileName.substr(slash + 1));
  } else {
    std::string base = ConfigurationBase();
    if (base.empty()) {
      location.error = kErrorAccessDenied;
      return location;
    }
    location.directory = base + "/" + Stem(fileName);
    location.name = std::string(fileName);
  }
  location.path = (location.directory == "/" ? "" : location.directory) + "/" + location.name;
  return location;
}

}  // namespace qor::fw
