// The report and HALT texts travel on the value stack.
#include "runtime/errors/report_text.h"

#include "runtime/values/value_stack.h"

namespace qor::rt {

void PushReportText(std::string_view report) { StrPushOwnedCopy(report.data(), report.size()); }

std::string PopHaltMessage() {
  if (StrCount() == 0) return std::string();
  ValueEntry e = StrTakeTop();
  CountedText t = TextOf(e);
  std::string message(t.text, static_cast<std::size_t>(t.length));
  ReleaseValueEntry(e);
  return message;
}

}  // namespace qor::rt
