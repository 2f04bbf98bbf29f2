#pragma once
// The locale as the qor commands see it: the platform's profile (the process's
// locale, or QOR_INTL), then any environment file named with --env.
#include <string>
#include <string_view>

#include "runtime/environment/environment_file.h"

namespace qor::tool {

// Applies the platform's profile once.
void EnsureLocale();

// Writes an environment value so that it reads back the same: "<" as "<<", control
// characters and bytes from 127 up as "<n>".
std::string EscapedEnvironmentValue(std::string_view value);

// Reads and applies an environment file, telling each setting applied to `observer`
// when given. Returns why it could not be read ("" when it was), with the error code
// and its text, e.g. "cannot read the environment file x.env (error 2: File Not Found)".
std::string ReadEnvironmentFile(std::string_view file, const rt::EnvironmentObserver& observer = {});

}  // namespace qor::tool
