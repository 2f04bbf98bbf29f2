// startup_probe SCENARIO [ARGS...]
// Runs the runtime's entry sequence with a handler table of seven records and a main
// routine that does what the scenario says. Start and stop routines, exit procedures
// and the close-all hook report on standard output, one line each; the runtime's
// boxes go to standard error unless PROBE_ANSWER installs a display that answers
// every box with that button ("yes" or "no") and prints it on standard output.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "resources/messages/error_messages.h"
#include "runtime/base/error_state.h"
#include "runtime/base/fatal_hooks.h"
#include "runtime/base/ui_service.h"
#include "runtime/errors/halt.h"
#include "runtime/errors/language_traps.h"
#include "runtime/errors/out_of_memory.h"
#include "runtime/errors/run_time_error.h"
#include "runtime/startup/process_exit.h"
#include "runtime/startup/shutdown.h"
#include "runtime/startup/startup.h"
#include "runtime/values/value_stack.h"

namespace {

using namespace qor::rt;

std::vector<std::string> args;

std::string Arg(size_t i, const char* fallback = "") {
  return i < args.size() ? args[i] : fallback;
}
int ArgNumber(size_t i) { return std::atoi(Arg(i, "0").c_str()); }

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

template <char Name>
void Handler(int32_t phase) {
  Say(std::string(phase == kInitStart ? "start " : "stop ") + Name);
}

// Table order a..g with priorities chosen to mix equal and different ones.
const InitRecord kHandlers[] = {
    {5, Handler<'a'>},   {16, Handler<'b'>}, {255, Handler<'c'>}, {5, Handler<'d'>},
    {150, Handler<'e'>}, {28, Handler<'f'>}, {150, Handler<'g'>},
};
ModuleDescriptor descriptor{kHandlers};

class AnsweringDisplay : public UiService {
 public:
  explicit AnsweringDisplay(uint32_t answer) : answer_(answer) {}
  bool HasDisplay() const override { return true; }
  uint32_t ShowBox(const BoxRequest& r) override {
    Say("box title=" + std::string(r.title) + " buttons=" + std::to_string(r.buttons) +
        " default=" + std::to_string(r.defaultButton) + " text=" + std::string(r.text));
    return answer_ & r.buttons ? answer_ : r.defaultButton;
  }

 private:
  uint32_t answer_;
};

void ExitProcedureOne() { Say("exit procedure 1"); }
void ExitProcedureTwo() { Say("exit procedure 2"); }
void ExitProcedureFailing() {
  Say("exit procedure failing, error code " + std::to_string(ErrorCode()));
  RunTimeError(503, "raised while exiting");
}
void ReportErrorCode() { Say("error code " + std::to_string(ErrorCode())); }
void CloseAll() { Say("close all"); }
std::string TopOfValueStack() {
  if (StrCount() == 0) return "(empty)";
  CountedText top = StrTextAtDepth(1);
  return std::string(top.text, static_cast<size_t>(top.length));
}
void RunTimeErrorHookSays(int32_t code) {
  Say("hook " + std::to_string(code) + " report=" + TopOfValueStack());
}
void HaltHookSays(int32_t code) {
  Say("halt hook " + std::to_string(code) + " message=" + TopOfValueStack());
}

void Main() {
  Say("main");
  const std::string scenario = Arg(0);
  if (scenario == "error") RunTimeError(ArgNumber(1), args.size() > 2 ? args[2].c_str() : nullptr);
  if (scenario == "oserror") {
    errno = ArgNumber(1);
    SetError(0);
    RunTimeError(ErrorCode(), nullptr);
  }
  if (scenario == "out-of-memory") {
    void* block = ::operator new(std::numeric_limits<size_t>::max() / 2);  // more than any machine has
    Say(block ? "allocated" : "no block");
  }
  if (scenario == "trap") RaiseTrap(static_cast<LanguageTrap>(ArgNumber(1)));
  if (scenario == "halt") HaltWithMessage(ArgNumber(1), Arg(3) == "silent", Arg(2));
  if (scenario == "halt-stack" || scenario == "halt-hook") {
    if (scenario == "halt-hook") SetHaltHook(HaltHookSays);
    StrPushCString(Arg(2).c_str());
    Halt(ArgNumber(1), Arg(3) == "silent");
  }
  if (scenario == "hook") {
    SetRunTimeErrorHook(RunTimeErrorHookSays);
    RunTimeError(ArgNumber(1), "for the hook");
  }
  if (scenario == "exit-error" || scenario == "after-shutdown")
    RegisterExitProcedure(ExitProcedureFailing);
  if (scenario == "exit-error") RunTimeError(502, nullptr);
  Say("main returns");
}

void Prepare() {
  InstallOutOfMemoryReport();
  qor::res::RegisterErrorMessages(qor::os::ExecutableModule());
  if (const char* answer = std::getenv("PROBE_ANSWER")) {
    static AnsweringDisplay display(std::string_view(answer) == "yes" ? kBoxYes : kBoxNo);
    InstallUiService(&display);
  }
  SetCloseAllHook(CloseAll);
  RegisterExitProcedure(ExitProcedureOne);
  RegisterExitProcedure(ReportErrorCode);
  RegisterExitProcedure(ExitProcedureTwo);
}

}  // namespace

int main(int argc, char** argv) {
  args.assign(argv + 1, argv + argc);
  Prepare();
  ProgramInterface generatedFor;
  if (Arg(0) == "version") generatedFor = {0x104, 0, 7};
  if (Arg(0) == "minor") generatedFor = {kInterfaceVersion, 1, 0};
  RunProgram(descriptor, Main, generatedFor);
}
