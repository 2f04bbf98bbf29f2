#pragma once
// The locale as the qor commands see it: the platform's profile (the process's
// locale, or QOR_INTL), then any environment file named with --env.
#include <string>
#include <string_view>

namespace qor::tool {

// Applies the platform's profile once.
void EnsureLocale();

// Writes an environment value so that it reads back the same: "<" as "<<", control
// characters and bytes from 127 up as "<n>".
std::string EscapedEnvironmentValue(std::string_view value);

}  // namespace qor::tool
