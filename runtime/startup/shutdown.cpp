#include "runtime/startup/shutdown.h"

#include <array>
#include <cstddef>
#include <utility>
#include <vector>

#include "runtime/base/fatal_hooks.h"
#include "runtime/base/flags.h"

namespace qor::rt {
namespace {

constexpr std::size_t kStepCount = 4;
std::array<ShutdownRoutine, kStepCount> shutdownRoutines{};

struct OpenFile {
  void* file;
  FileCloser close;
};

std::vector<OpenFile>& OpenFiles() {
  static std::vector<OpenFile> files;
  return files;
}

bool filesClosed = false;

void RunStep(ShutdownStep step) {
  if (ShutdownRoutine routine = shutdownRoutines[static_cast<std::size_t>(step)]) routine();
}

}  // namespace

void SetShutdownRoutine(ShutdownStep step, ShutdownRoutine routine) {
  shutdownRoutines[static_cast<std::size_t>(step)] = routine;
}

void Shutdown() {
  RunStep(ShutdownStep::CloseWindows);
  RunStep(ShutdownStep::ReleaseThreads);
  SetRuntimeActive(false);
  RunStep(ShutdownStep::StopTimer);
  RunStep(ShutdownStep::ReleaseClasses);
  CloseAllFiles();
}

void TrackOpenFile(void* file, FileCloser close) {
  if (file && close) OpenFiles().push_back(OpenFile{file, close});
}

void UntrackOpenFile(void* file) {
  std::vector<OpenFile>& files = OpenFiles();
  std::erase_if(files, [file](const OpenFile& f) { return f.file == file; });
}

void CloseAllFiles() {
  if (std::exchange(filesClosed, true)) return;
  if (CloseAllHook hook = CurrentCloseAllHook()) hook();
  std::vector<OpenFile>& files = OpenFiles();
  while (!files.empty()) {
    OpenFile last = files.back();
    files.pop_back();
    last.close(last.file);
  }
}

}  // namespace qor::rt
