#include "runtime/startup/process_exit.h"

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "runtime/startup/initialisers.h"

namespace qor::rt {
namespace {

std::vector<ExitProcedure>& ExitProcedures() {
  static std::vector<ExitProcedure> procedures;
  return procedures;
}

ModuleDescriptor* programModule = nullptr;

// Stop routines still to run, the next one last.
std::vector<InitRoutine>& PendingStopRoutines() {
  static std::vector<InitRoutine> pending;
  return pending;
}

// Takes each entry off the back before calling it, so that a nested exit started by
// one of them goes on with the rest and never calls an entry twice.
template <typename Entry, typename Call>
void DrainFromBack(std::vector<Entry>& pending, Call call) {
  while (!pending.empty()) {
    Entry entry = pending.back();
    pending.pop_back();
    call(entry);
  }
}

void RunExitProcedures() {
  DrainFromBack(ExitProcedures(), [](ExitProcedure procedure) { procedure(); });
}

// Unlinks the program module and runs its stop routines in ascending priority.
void UnregisterProgramModule() {
  if (ModuleDescriptor* descriptor = std::exchange(programModule, nullptr)) {
    UnregisterModule(*descriptor);
    PendingStopRoutines() = StartOrder(descriptor->initialisers);  // stop = start reversed
  }
  DrainFromBack(PendingStopRoutines(), [](InitRoutine routine) { routine(kInitStop); });
}

}  // namespace

void RegisterExitProcedure(ExitProcedure procedure) {
  if (procedure) ExitProcedures().push_back(procedure);
}

void SetProgramModule(ModuleDescriptor* descriptor) { programModule = descriptor; }
ModuleDescriptor* ProgramModule() { return programModule; }

void Exit(int32_t code) {
  RunExitProcedures();
  UnregisterProgramModule();
  std::fflush(nullptr);
  std::exit(static_cast<int>(code));
}

}  // namespace qor::rt
