#include "runtime/startup/startup.h"

#include <cfenv>
#include <cstdio>

#include "runtime/base/ui_service.h"
#include "runtime/startup/initialisers.h"
#include "runtime/startup/process_exit.h"
#include "runtime/startup/shutdown.h"

namespace qor::rt {
namespace {

constexpr char kVersionTitle[] = "Interface version mismatch";

void ShowVersionMismatch(uint32_t version, uint32_t minor, uint32_t build) {
  char text[200];
  std::snprintf(text, sizeof text,
                "This program was generated for runtime interface %Xh.%u (build %u), "
                "but this runtime provides interface %Xh.%u.",
                version, minor, build, kInterfaceVersion, kInterfaceMinor);
  BoxRequest request{text, kVersionTitle, BoxIcon::Stop, kBoxOk, kBoxOk};
  ShowRuntimeBox(request, text);
}

}  // namespace

void Startup(ModuleDescriptor& descriptor, os::ModuleHandle instance) {
  RegisterModule(descriptor, instance);
  if (!ProgramModule()) SetProgramModule(&descriptor);
  RunStartRoutines(descriptor);
}

bool CheckInterfaceVersion(uint32_t version, uint32_t minor, uint32_t build) {
  if (version == kInterfaceVersion && minor == kInterfaceMinor) return true;
  ShowVersionMismatch(version, minor, build);
  return false;
}

void RunProgram(ModuleDescriptor& descriptor, MainRoutine main, ProgramInterface generatedFor) {
  std::fesetenv(FE_DFL_ENV);
  Startup(descriptor, nullptr);
  if (!CheckInterfaceVersion(generatedFor.version, generatedFor.minor, generatedFor.build))
    Exit(0);
  if (main) main();
  Shutdown();
  Exit(0);
}

}  // namespace qor::rt
