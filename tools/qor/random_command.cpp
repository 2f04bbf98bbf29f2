// qor random SEED LOW HIGH COUNT: seeds the runtime's generator and prints COUNT
// results of RANDOM(LOW, HIGH), one per line.
#include <cstdint>
#include <cstdio>
#include <string>

#include "runtime/builtins/random.h"
#include "tools/qor/command.h"

namespace qor::tool {
namespace {

// A number within [lowest, highest], or false with nothing stored.
bool ParseInRange(std::string_view text, long long lowest, long long highest, long long& out) {
  long long value = 0;
  if (!ParseInt64(text, value) || value < lowest || value > highest) return false;
  out = value;
  return true;
}

// A bound of RANDOM: a signed 32-bit number, or an unsigned one above 2147483647 taken
// as the same 32 bits (so 4294967295 is -1, as the language reads 0FFFFFFFFh).
bool ParseBound(std::string_view text, int32_t& out) {
  long long value = 0;
  if (!ParseInRange(text, INT32_MIN, UINT32_MAX, value)) return false;
  out = static_cast<int32_t>(static_cast<uint32_t>(value));
  return true;
}

extern const QorCommand kRandomCommand;

int RunRandom(std::span<const std::string_view> args) {
  if (args.size() != 4) return UsageError("random takes 4 operands", &kRandomCommand);
  long long seed = 0, count = 0;
  int32_t low = 0, high = 0;
  if (!ParseInRange(args[0], 0, UINT32_MAX, seed))
    return UsageError("SEED must be a whole number from 0 to 4294967295, not \"" + std::string(args[0]) + "\"",
                      &kRandomCommand);
  if (!ParseBound(args[1], low))
    return UsageError("LOW must be a whole number from -2147483648 to 4294967295, not \"" +
                          std::string(args[1]) + "\"",
                      &kRandomCommand);
  if (!ParseBound(args[2], high))
    return UsageError("HIGH must be a whole number from -2147483648 to 4294967295, not \"" +
                          std::string(args[2]) + "\"",
                      &kRandomCommand);
  if (!ParseInRange(args[3], 0, INT32_MAX, count))
    return UsageError("COUNT must be a whole number from 0 to 2147483647, not \"" + std::string(args[3]) + "\"",
                      &kRandomCommand);
  rt::SeedRandom(static_cast<uint32_t>(seed));
  for (long long i = 0; i < count; ++i) std::printf("%d\n", static_cast<int>(rt::RANDOM(low, high)));
  return 0;
}

const QorCommand kRandomCommand("random", "random SEED LOW HIGH COUNT",
                                "seed the generator with SEED, print COUNT results of RANDOM(LOW, HIGH)",
                                RunRandom);

}  // namespace
}  // namespace qor::tool
