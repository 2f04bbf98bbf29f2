#include "runtime/language_setup.h"

#include <utility>

#include "runtime/locale.h"
#include "runtime/random.h"

namespace qor::rt {
namespace {

bool done = false;

}  // namespace

void LanguageSetUpOnce() {
  if (std::exchange(done, true)) return;
  SeedRandomFromClock();
  SetUpLocale();
}

}  // namespace qor::rt
