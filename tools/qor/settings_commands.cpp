// qor getini, putini and inipath: the settings file as the class library reads and
// writes it. A failure prints the error code and its text on standard error, exit 2.
#include <cstdio>
#include <string>

#include "framework/settings/settings_file.h"
#include "runtime/base/error_state.h"
#include "tools/qor/command.h"

namespace qor::tool {
namespace {

int RunGetini(std::span<const std::string_view> args);
int RunPutini(std::span<const std::string_view> args);
int RunInipath(std::span<const std::string_view> args);

const QorCommand getiniCommand("getini", "getini NAME SECTION KEY DEFAULT",
                               "a value of a settings file, or DEFAULT", RunGetini);
const QorCommand putiniCommand("putini", "putini NAME SECTION KEY [VALUE]",
                               "sets a value of a settings file (no VALUE: removes the key); prints the file",
                               RunPutini);
const QorCommand inipathCommand("inipath", "inipath NAME", "where a settings file of that name lives",
                                RunInipath);

int SettingsError() {
  std::fprintf(stderr, "qor: %d %s\n", rt::ErrorCode(), rt::ErrorText().c_str());
  return 2;
}

fw::SettingsFile Named(std::string_view name) {
  fw::SettingsFile settings;
  settings.Init(name);
  return settings;
}

int RunGetini(std::span<const std::string_view> args) {
  if (args.size() != 4) return UsageError("getini takes NAME SECTION KEY DEFAULT", &getiniCommand);
  std::string value = Named(args[0]).Get(args[1], args[2], args[3]);
  if (rt::ErrorCode() != 0) return SettingsError();
  std::printf("%s\n", value.c_str());
  return 0;
}

int RunPutini(std::span<const std::string_view> args) {
  if (args.size() != 3 && args.size() != 4) return UsageError("putini takes NAME SECTION KEY [VALUE]", &putiniCommand);
  fw::SettingsFile settings = Named(args[0]);
  bool done = args.size() == 4 ? settings.Put(args[1], args[2], args[3]) : settings.Remove(args[1], args[2]);
  if (!done) return SettingsError();
  std::printf("%s\n", settings.Path().c_str());
  return 0;
}

int RunInipath(std::span<const std::string_view> args) {
  if (args.size() != 1) return UsageError("inipath takes NAME", &inipathCommand);
  std::string path = Named(args[0]).Path();
  if (path.empty()) return SettingsError();
  std::printf("%s\n", path.c_str());
  return 0;
}

}  // namespace
}  // namespace qor::tool
