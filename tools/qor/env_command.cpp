// qor env FILE: reads an environment file and prints each setting it applied.
#include <cstdio>
#include <string>

#include "runtime/base/error_state.h"
#include "runtime/environment/environment_file.h"
#include "tools/qor/command.h"
#include "tools/qor/locale_setup.h"

namespace qor::tool {
namespace {

int RunEnv(std::span<const std::string_view> args);

const QorCommand envCommand(
    "env", "env FILE",
    "read FILE as an environment file; print NAME=value per setting applied, in file order "
    "(NAME in capitals, QORMSGn for messages; the value as used: escapes resolved, OEM converted, "
    "written back with \"<<\" for \"<\" and \"<n>\" for bytes below 32 or above 126)",
    RunEnv);

int RunEnv(std::span<const std::string_view> args) {
  if (args.size() != 1) return UsageError("env takes one FILE", &envCommand);
  EnsureLocale();
  auto print = [](std::string_view name, std::string_view value) {
    std::string line = std::string(name) + "=" + EscapedEnvironmentValue(value);
    std::printf("%s\n", line.c_str());
  };
  if (std::string why = ReadEnvironmentFile(args[0], print); !why.empty()) return UsageError(why, &envCommand);
  return 0;
}

}  // namespace
}  // namespace qor::tool
