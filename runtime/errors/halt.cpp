#include "runtime/errors/halt.h"

#include <string>

#include "runtime/base/fatal_hooks.h"
#include "runtime/base/flags.h"
#include "runtime/base/ui_service.h"
#include "runtime/errors/report_text.h"
#include "runtime/startup/process_exit.h"
#include "runtime/startup/shutdown.h"

namespace qor::rt {
namespace {

constexpr char kHaltTitle[] = "Halt";

void ShowHaltMessage(std::string_view message) {
  BoxRequest request{message, kHaltTitle, BoxIcon::Stop, kBoxOk, kBoxOk};
  ShowRuntimeBox(request, message);
}

[[noreturn]] void EndAfterHalt(int32_t code) {
  CloseAllFiles();
  SetHalted(true);
  Exit(code);
}

}  // namespace

void Halt(int32_t code, bool silent) {
  if (HaltHook hook = CurrentHaltHook()) {
    hook(code);
    EndAfterHalt(code);
  }
  std::string message = PopHaltMessage();
  if (!silent) ShowHaltMessage(message);
  EndAfterHalt(code);
}

void HaltWithMessage(int32_t code, bool silent, std::string_view message) {
  if (HaltHook hook = CurrentHaltHook()) {
    hook(code);
  } else if (!silent) {
    ShowHaltMessage(message);
  }
  EndAfterHalt(code);
}

}  // namespace qor::rt
