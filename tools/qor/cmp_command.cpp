// qor cmp A B: the decimal stack's compare, A second and B on top.
#include <cstdio>

#include "runtime/values/decimal_stack.h"
#include "tools/qor/command.h"
#include "tools/qor/decimal_io.h"

namespace qor::tool {
namespace {

int RunCmp(std::span<const std::string_view> args);

const QorCommand cmpCommand("cmp", "cmp A B", "-1, 0 or 1 as decimal A is below, equal to or above B", RunCmp);

int RunCmp(std::span<const std::string_view> args) {
  if (args.size() != 2) return UsageError("cmp takes A and B", &cmpCommand);
  PushDecimalOperand(args[0]);
  PushDecimalOperand(args[1]);
  std::printf("%d\n", rt::DecCompare());
  return 0;
}

}  // namespace
}  // namespace qor::tool
