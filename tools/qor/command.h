#pragma once
// The qor command table. Each command lives in a file of its own and registers
// itself with a static QorCommand object; main.cpp finds it by name.
//
// Output rules shared by every command: exactly one result line on standard output
// (unless the command says otherwise) and exit code 0; a usage error or an operand
// the runtime cannot take prints a clear message on standard error and exits 2.
#include <span>
#include <string>
#include <string_view>

namespace qor::tool {

using CommandFn = int (*)(std::span<const std::string_view> args);

struct QorCommand {
  QorCommand(const char* name, const char* usage, const char* help, CommandFn run);
  const char* name;
  const char* usage;  // e.g. "calc A OP B [OP C ...]"
  const char* help;   // one line
  CommandFn run;
};

// A global option placed before the command, such as "--year 2026".
// Applies the option's value; returns why it was rejected, or "" when it was taken.
using OptionFn = std::string (*)(std::string_view value);
struct QorOption {
  QorOption(const char* name, const char* usage, const char* help, OptionFn apply);
  const char* name;   // "--year"
  const char* usage;  // "--year YYYY"
  const char* help;
  OptionFn apply;
};

// Prints "qor: <message>" (and the usage of the command, when given) on standard
// error and returns 2, the exit code of every usage error.
int UsageError(std::string_view message, const QorCommand* command = nullptr);

// Strict number parsing for operands: the whole text must be the number.
bool ParseInt64(std::string_view text, long long& out);

}  // namespace qor::tool
