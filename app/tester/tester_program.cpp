#include "app/tester/tester_program.h"

#include "app/tester/application_globals.h"
#include "app/tester/start_handlers.h"
#include "os/module.h"
#include "resources/messages/error_messages.h"
#include "resources/windows/window_definitions.h"
#include "runtime/startup/process_exit.h"
#include "runtime/startup/startup.h"
#include "window/accept/idle_hooks.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/set_up_window_runtime.h"
#include "window/windows/window_lifecycle.h"

namespace qor::app {
namespace {

constexpr char kSettingsFileName[] = "kzt_asm.INI";

int requestedExitCode = 0;
std::function<void()> idleAddition;
std::function<void()> endAddition;

// The module routines of the application's modules: none of them has work to do.
void RunModuleStartRoutines() {}
void RunModuleStopRoutines() {}

// Runs the addition only when nothing at all is left to handle: a paint request or a due
// timer would still come out of the platform queue.
void IdleHook() {
  ui::Msg pending;
  if (ui::PeekMessage(pending, ui::Hwnd{}, 0, 0, ui::PM_NOREMOVE)) return;
  idleAddition();
}

// Ends the process with the requested code: runs as the first exit procedure, and the
// nested exit goes on with the rest of the exit in order.
void ExitWithRequestedCode() { rt::Exit(requestedExitCode); }

rt::ModuleDescriptor& ProgramDescriptor() {
  static rt::ModuleDescriptor descriptor{ApplicationHandlers()};
  return descriptor;
}

}  // namespace

void ApplicationMain() {
  win::SetUpWindowRuntime();
  ApplicationGlobals& globals = Globals();
  globals.errors.Init();
  globals.settings.Init(kSettingsFileName);
  RunModuleStartRoutines();
  KZT_A001();
  if (endAddition) endAddition();
  RunModuleStopRoutines();
  globals.errors.Kill();
}

void RunTesterProgram(const ProgramAdditions& additions) {
  // The run-time error report and the error manager's placeholders read these texts.
  res::RegisterErrorMessages(os::ExecutableModule());
  res::RegisterWindowDefinitions(os::ExecutableModule());
  SetStartSeed(additions.seed);
  endAddition = additions.atEnd;
  if (additions.atIdle) {
    idleAddition = additions.atIdle;
    win::SetIdleHook(IdleHook);
  }
  rt::RunProgram(ProgramDescriptor(), ApplicationMain);
}

void RequestExitCode(int code) {
  if (requestedExitCode == 0 && code != 0) rt::RegisterExitProcedure(ExitWithRequestedCode);
  requestedExitCode = code;
}

void RequestClose() {
  win::Window* window = RunningTesterWindow();
  if (!window || !win::IsWindowOpen(window)) return;
  ui::PostMessage(win::WindowHandle(window), ui::WM_CLOSE, 0, 0);
}

}  // namespace qor::app
