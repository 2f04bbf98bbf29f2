#include "runtime/stack_error.h"

#include "runtime/run_time_error.h"

namespace qor::rt {

void RaiseStackError() { RunTimeError(kStackErrorCode, kStackErrorText); }

}  // namespace qor::rt
