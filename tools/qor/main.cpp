// qor: a command-line probe of the runtime. `qor --help` lists the commands.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "os/module.h"
#include "os/stream_failure.h"
#include "resources/messages/error_messages.h"
#include "resources/windows/window_definitions.h"
#include "runtime/errors/out_of_memory.h"
#include "tools/qor/command.h"

namespace qor::tool {
namespace {

std::vector<const QorCommand*>& Commands() {
  static std::vector<const QorCommand*> commands;
  return commands;
}

std::vector<const QorOption*>& Options() {
  static std::vector<const QorOption*> options;
  return options;
}

// The help goes to `out`: standard output when asked for, standard error when it stands
// for a missing command.
void PrintHelp(std::FILE* out) {
  std::fprintf(out, "usage: qor [OPTIONS] COMMAND [ARGS...]\n\nCommands:\n");
  for (const QorCommand* c : Commands()) std::fprintf(out, "  %-36s %s\n", c->usage, c->help);
  if (!Options().empty()) {
    std::fprintf(out, "\nOptions (before the command):\n");
    for (const QorOption* o : Options()) std::fprintf(out, "  %-36s %s\n", o->usage, o->help);
  }
  std::fprintf(out, "\nEach command prints its result on standard output and exits 0; a usage error\n"
                    "is reported on standard error, exit 2. A number or picture the runtime takes only\n"
                    "in part is read as the runtime reads it, with a warning on standard error.\n");
}

const QorOption* FindOption(std::string_view name) {
  for (const QorOption* o : Options())
    if (name == o->name) return o;
  return nullptr;
}

const QorCommand* FindCommand(std::string_view name) {
  for (const QorCommand* c : Commands())
    if (name == c->name) return c;
  return nullptr;
}

// A result that could not be written (a full disk, a closed pipe) is a failure, not
// success: said on standard error, exit code 2.
int CheckOutputWritten() {
  std::optional<std::string> failure = os::StreamWriteFailure(stdout);
  if (!failure) return 0;
  std::fprintf(stderr, "qor: cannot write the result: %s\n", failure->c_str());
  return 2;
}

}  // namespace

QorCommand::QorCommand(const char* n, const char* u, const char* h, CommandFn r)
    : name(n), usage(u), help(h), run(r) {
  Commands().push_back(this);
}

QorOption::QorOption(const char* n, const char* u, const char* h, OptionFn a)
    : name(n), usage(u), help(h), apply(a) {
  Options().push_back(this);
}

int UsageError(std::string_view message, const QorCommand* command) {
  std::fprintf(stderr, "qor: %.*s\n", static_cast<int>(message.size()), message.data());
  if (command) std::fprintf(stderr, "usage: qor %s\n", command->usage);
  return 2;
}

bool ParseInt64(std::string_view text, long long& out) {
  if (text.empty()) return false;
  std::string copy(text);
  char* end = nullptr;
  errno = 0;
  out = std::strtoll(copy.c_str(), &end, 10);
  return errno == 0 && end == copy.c_str() + copy.size();
}

}  // namespace qor::tool

int main(int argc, char** argv) {
  using namespace qor::tool;
  qor::rt::InstallOutOfMemoryReport();
  qor::res::RegisterErrorMessages(qor::os::ExecutableModule());
  qor::res::RegisterWindowDefinitions(qor::os::ExecutableModule());
  std::vector<std::string_view> args(argv + 1, argv + argc);
  size_t i = 0;
  while (i < args.size() && args[i].starts_with("--") && args[i] != "--help") {
    const QorOption* option = FindOption(args[i]);
    if (!option) return UsageError("unknown option " + std::string(args[i]) + " (see qor --help)");
    if (i + 1 >= args.size()) return UsageError(std::string(args[i]) + " needs a value");
    if (std::string why = option->apply(args[i + 1]); !why.empty()) return UsageError(why);
    i += 2;
  }
  if (i >= args.size()) {
    PrintHelp(stderr);  // no command: a usage error
    return 2;
  }
  if (args[i] == "--help" || args[i] == "help") {
    PrintHelp(stdout);
    return CheckOutputWritten();
  }
  const QorCommand* command = FindCommand(args[i]);
  if (!command) return UsageError("unknown command " + std::string(args[i]) + " (see qor --help)");
  std::span<const std::string_view> rest(args.data() + i + 1, args.size() - i - 1);
  int code = command->run(rest);
  return code == 0 ? CheckOutputWritten() : code;
}
