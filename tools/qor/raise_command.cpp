// qor raise ID [--file NAME] [--error CODE] [--file-error CODE TEXT] [--add ID SEV TITLE TEXT]...
// Runs the error manager without a display: Init, each --add loaded as a table of its
// own, the error state set, then Raise. Each box prints "<title>: <text>" on standard
// error and the level goes to standard output; a fatal message ends with
// "Halt: <title>" on standard error, nothing on standard output and exit code 0.
#include <cstdio>
#include <string>
#include <vector>

#include "framework/error_manager.h"
#include "runtime/base/error_state.h"
#include "tools/qor/command.h"

namespace qor::tool {
namespace {

int Raise(std::span<const std::string_view> args);
const QorCommand kRaise("raise",
                        "raise ID [--file NAME] [--error CODE] [--file-error CODE TEXT] [--add ID SEV TITLE TEXT]...",
                        "raises a message through the error manager, without a display", Raise);

bool InRange(std::string_view text, long long low, long long high, long long& out) {
  return ParseInt64(text, out) && out >= low && out <= high;
}

int Raise(std::span<const std::string_view> args) {
  long long id = 0;
  if (args.empty() || !InRange(args[0], 0, 0xFFFF, id)) return UsageError("raise needs a message id 0-65535", &kRaise);
  fw::ErrorManager errors;
  errors.Init();
  rt::ClearError();
  for (size_t i = 1; i < args.size(); ++i) {
    std::string_view option = args[i];
    size_t left = args.size() - i - 1;
    long long a = 0;
    long long b = 0;
    if (option == "--file" && left >= 1) {
      errors.SetFileName(args[++i]);
    } else if (option == "--error" && left >= 1 && InRange(args[i + 1], -2147483648LL, 2147483647LL, a)) {
      rt::SetError(static_cast<int32_t>(a));
      ++i;
    } else if (option == "--file-error" && left >= 2 && InRange(args[i + 1], -2147483648LL, 2147483647LL, a)) {
      rt::SetFileError(static_cast<int32_t>(a), args[i + 2]);
      i += 2;
    } else if (option == "--add" && left >= 4 && InRange(args[i + 1], 0, 0xFFFF, a) && InRange(args[i + 2], 0, 255, b) &&
               args[i + 3].size() <= fw::kMessageTextCapacity && args[i + 4].size() <= fw::kMessageTextCapacity) {
      std::vector<fw::MessageDefinition> one = {
          {static_cast<uint16_t>(a), static_cast<uint8_t>(b), std::string(args[i + 3]), std::string(args[i + 4])}};
      errors.AddErrors(*fw::PackMessageTable(one));
      i += 4;
    } else {
      return UsageError("bad or incomplete option " + std::string(option), &kRaise);
    }
  }
  uint8_t level = errors.Raise(static_cast<uint16_t>(id));
  std::printf("%u\n", level);
  errors.Kill();
  return 0;
}

}  // namespace
}  // namespace qor::tool
