// qor upper, lower and compare: the case tables and the string comparison.
#include <cstdio>
#include <string>

#include "runtime/locale/case_tables.h"
#include "runtime/locale/collation.h"
#include "tools/qor/command.h"

namespace qor::tool {
namespace {

int RunUpper(std::span<const std::string_view> args);
int RunLower(std::span<const std::string_view> args);
int RunCompare(std::span<const std::string_view> args);

const QorCommand upperCommand("upper", "upper TEXT", "TEXT through the upper-case table", RunUpper);
const QorCommand lowerCommand("lower", "lower TEXT", "TEXT through the lower-case table", RunLower);
const QorCommand compareCommand("compare", "compare A B",
                                "-1, 0 or 1: the sign of the string comparison of A with B (collation, digraphs, "
                                "trailing blanks ignored)",
                                RunCompare);

void PrintLine(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
}

int RunUpper(std::span<const std::string_view> args) {
  if (args.size() != 1) return UsageError("upper takes one TEXT", &upperCommand);
  PrintLine(rt::UpperText(args[0]));
  return 0;
}

int RunLower(std::span<const std::string_view> args) {
  if (args.size() != 1) return UsageError("lower takes one TEXT", &lowerCommand);
  PrintLine(rt::LowerText(args[0]));
  return 0;
}

int RunCompare(std::span<const std::string_view> args) {
  if (args.size() != 2) return UsageError("compare takes two texts", &compareCommand);
  int r = rt::CompareStrings(args[0], args[1]);
  std::printf("%d\n", (r > 0) - (r < 0));
  return 0;
}

}  // namespace
}  // namespace qor::tool
