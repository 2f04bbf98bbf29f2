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

std::string ApplyEnvironmentOption(std::string_view file) {
  EnsureLocale();
  std::string why = ReadEnvironmentFile(file);
  return why.empty() ? why : "--env: " + why;
}

std::string ApplyYearOption(std::string_view text) {
  long long year = 0;
  if (!ParseInt64(text, year) || year < 100 || year > 9999)
    return "bad value for --year: " + std::string(text) + " (a year from 100 to 9999)";
  rt::SetCurrentYear(static_cast<int>(year));
  return "";
}

const QorOption envOption("--env", "--env FILE", "read FILE as an environment file before the command",
                          ApplyEnvironmentOption);
const QorOption yearOption("--year", "--year YYYY",
                           "fix the current year of the two-digit year window (100..9999)", ApplyYearOption);

}  // namespace
}  // namespace qor::tool
