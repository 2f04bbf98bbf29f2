// qor errtext CODE: the message text of a run-time error code, overrides applied.
#include <cstdint>
#include <cstdio>
#include <string>

#include "runtime/base/message_text.h"
#include "tools/qor/command.h"

namespace qor::tool {
namespace {

int RunErrtext(std::span<const std::string_view> args);

const QorCommand errtextCommand("errtext", "errtext CODE",
                                "the message text of an error code (trailing blanks removed)",
                                RunErrtext);

std::string WithoutTrailingBlanks(std::string text) {
  size_t last = text.find_last_not_of(' ');
  text.resize(last == std::string::npos ? 0 : last + 1);
  return text;
}

int RunErrtext(std::span<const std::string_view> args) {
  if (args.size() != 1) return UsageError("errtext takes one CODE", &errtextCommand);
  long long code = 0;
  if (!ParseInt64(args[0], code) || code < INT32_MIN || code > INT32_MAX)
    return UsageError("CODE must be a whole number within 32 bits: " + std::string(args[0]),
                      &errtextCommand);
  std::string text = WithoutTrailingBlanks(rt::MessageText(static_cast<int32_t>(code)));
  std::printf("%s\n", text.c_str());
  return 0;
}

}  // namespace
}  // namespace qor::tool
