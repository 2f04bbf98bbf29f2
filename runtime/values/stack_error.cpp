#include "runtime/values/stack_error.h"

#include "runtime/errors/run_time_error.h"

namespace qor::rt {

void RaiseStackError() { RunTimeError(kStackErrorCode, kStackErrorText); }

}  // namespace qor::rt
