// qor instring SUB STRING STEP START: INSTRING's result.
#include <cstdio>
#include <string>

#include "runtime/builtins/instring.h"
#include "runtime/values/value_stack.h"
#include "tools/qor/command.h"
#include "tools/qor/decimal_io.h"

namespace qor::tool {
namespace {

int RunInstring(std::span<const std::string_view> args);

const QorCommand instringCommand("instring", "instring SUB STRING STEP START",
                                 "the step number at which SUB lies in STRING (0: not found)", RunInstring);

int RunInstring(std::span<const std::string_view> args) {
  if (args.size() != 4) return UsageError("instring takes SUB, STRING, STEP and START", &instringCommand);
  int32_t step = 0, start = 0;
  if (!ParseInt32(args[2], step))
    return UsageError("STEP must be a whole number within 32 bits: " + std::string(args[2]), &instringCommand);
  if (!ParseInt32(args[3], start))
    return UsageError("START must be a whole number within 32 bits: " + std::string(args[3]), &instringCommand);
  rt::StrPushBorrowed(args[1].data(), static_cast<int32_t>(args[1].size()));
  rt::StrPushBorrowed(args[0].data(), static_cast<int32_t>(args[0].size()));
  std::printf("%d\n", static_cast<int>(rt::StrInString(step, start)));
  return 0;
}

}  // namespace
}  // namespace qor::tool
