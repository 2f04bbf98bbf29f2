#include "runtime/errors/language_traps.h"

#include "runtime/errors/run_time_error.h"

namespace qor::rt {

void RaiseTrap(LanguageTrap trap) { RunTimeError(static_cast<int32_t>(trap), nullptr); }

}  // namespace qor::rt
