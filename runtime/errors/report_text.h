#pragma once
// The texts the fatal paths exchange with the language through the value stack: the
// run-time error report handed to a hook, and HALT's message.
#include <string>
#include <string_view>

namespace qor::rt {

void PushReportText(std::string_view report);  // an owned copy, for the hook to pop
std::string PopHaltMessage();                  // empty when the stack is empty

}  // namespace qor::rt
