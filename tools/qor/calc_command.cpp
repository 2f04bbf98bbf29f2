// qor calc A OP B [OP C ...]: decimal arithmetic, left to right, on the decimal stack.
#include <string>

#include "runtime/values/decimal_stack.h"
#include "tools/qor/command.h"
#include "tools/qor/decimal_io.h"

namespace qor::tool {
namespace {

int RunCalc(std::span<const std::string_view> args);

const QorCommand calcCommand("calc", "calc A OP B [OP C ...]",
                             "decimal arithmetic left to right; OP is +, -, * or / (quote the *)", RunCalc);

using Operation = void (*)();

Operation OperationFor(std::string_view op) {
  if (op == "+") return rt::DecAdd;
  if (op == "-") return rt::DecSubtract;
  if (op == "*") return rt::DecMultiply;
  if (op == "/") return rt::DecDivide;
  return nullptr;
}

int RunCalc(std::span<const std::string_view> args) {
  if (args.size() < 3 || args.size() % 2 == 0)
    return UsageError("calc takes A OP B, optionally followed by more OP operand pairs", &calcCommand);
  for (std::size_t i = 1; i < args.size(); i += 2)
    if (!OperationFor(args[i]))
      return UsageError("unknown operator " + std::string(args[i]) + " (use +, -, * or /)", &calcCommand);
  PushDecimalOperand(args[0]);
  for (std::size_t i = 1; i < args.size(); i += 2) {
    PushDecimalOperand(args[i + 1]);
    OperationFor(args[i])();
  }
  PrintDecimalResult();
  return 0;
}

}  // namespace
}  // namespace qor::tool
