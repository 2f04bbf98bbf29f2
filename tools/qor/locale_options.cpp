// Global options of the locale commands: --env FILE and --year YYYY.
#include <cstdio>
#include <string>

#include "runtime/base/error_state.h"
#include "runtime/environment/environment_file.h"
#include "runtime/locale/dates.h"
#include "tools/qor/command.h"
#include "tools/qor/locale_setup.h"

namespace qor::tool {
namespace {

bool ApplyEnvironmentOption(std::string_view file) {
  EnsureLocale();
  if (rt::ReadEnvironment(file)) return true;
  std::fprintf(stderr, "qor: cannot read the environment file %.*s (error %d)\n", static_cast<int>(file.size()),
               file.data(), rt::ErrorCode());
  return false;
}

bool ApplyYearOption(std::string_view text) {
  long long year = 0;
  if (!ParseInt64(text, year) || year < 100 || year > 9999) return false;
  rt::SetCurrentYear(static_cast<int>(year));
  return true;
}

const QorOption envOption("--env", "--env FILE", "read FILE as an environment file before the command",
                          ApplyEnvironmentOption);
const QorOption yearOption("--year", "--year YYYY",
                           "fix the current year of the two-digit year window (100..9999)", ApplyYearOption);

}  // namespace
}  // namespace qor::tool
