// qor long VALUE: a decimal converted to LONG (fraction dropped, low 32 bits kept).
#include <cstdio>

#include "runtime/values/decimal_stack.h"
#include "tools/qor/command.h"
#include "tools/qor/decimal_io.h"

namespace qor::tool {
namespace {

int RunLong(std::span<const std::string_view> args);

const QorCommand longCommand("long", "long VALUE", "the decimal VALUE converted to LONG", RunLong);

int RunLong(std::span<const std::string_view> args) {
  if (args.size() != 1) return UsageError("long takes one VALUE", &longCommand);
  PushDecimalOperand(args[0]);
  std::printf("%d\n", static_cast<int>(rt::DecPopLong()));
  return 0;
}

}  // namespace
}  // namespace qor::tool
