// The report and HALT texts travel on the value stack.
#include "runtime/errors/report_text.h"

#include "runtime/values/value_stack.h"
#include "runtime/values/value_stack_convert.h"

namespace qor::rt {

void PushReportText(std::string_view report) { StrPushOwnedCopy(report.data(), report.size()); }

std::string PopHaltMessage() { return StrPopString(); }

}  // namespace qor::rt
