// qor --env FILE: applies an environment file before the command runs, as a program
// applies the one beside it at start-up (message overrides, locale settings).
#include <string>

#include "runtime/environment_file.h"
#include "tools/qor/command.h"

namespace qor::tool {
namespace {

bool ApplyEnvironmentFile(std::string_view fileName) {
  return !fileName.empty() && rt::ReadEnvironment(fileName);
}

const QorOption envOption("--env", "--env FILE",
                          "apply an environment file first (QORMSG overrides, locale)",
                          ApplyEnvironmentFile);

}  // namespace
}  // namespace qor::tool
