// qor round VALUE PLACES: a decimal rounded half away from zero.
#include <string>

#include "runtime/values/decimal_stack.h"
#include "tools/qor/command.h"
#include "tools/qor/decimal_io.h"

namespace qor::tool {
namespace {

int RunRound(std::span<const std::string_view> args);

const QorCommand roundCommand("round", "round VALUE PLACES",
                              "VALUE rounded half away from zero to PLACES decimal places", RunRound);

int RunRound(std::span<const std::string_view> args) {
  if (args.size() != 2) return UsageError("round takes VALUE and PLACES", &roundCommand);
  int32_t places = 0;
  if (!ParseInt32(args[1], places))
    return UsageError("PLACES must be a whole number within 32 bits: " + std::string(args[1]), &roundCommand);
  PushDecimalOperand(args[0]);
  rt::DecRound(places);
  PrintDecimalResult();
  return 0;
}

}  // namespace
}  // namespace qor::tool
