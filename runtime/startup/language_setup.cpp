#include "runtime/startup/language_setup.h"

#include <utility>

#include "runtime/builtins/random.h"
#include "runtime/environment/environment_file.h"
#include "runtime/locale/locale.h"

namespace qor::rt {
namespace {

bool done = false;

}  // namespace

void LanguageSetUpOnce() {
  if (std::exchange(done, true)) return;
  SeedRandomFromClock();
  // The locale: defaults, the platform's profile, then the environment file beside the
  // executable.
  ResetLocale();
  ApplyPlatformSettings(os::ReadIntlProfile());
  ReadStartupEnvironment();
}

}  // namespace qor::rt
