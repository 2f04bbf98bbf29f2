#include "runtime/errors/out_of_memory.h"

#include <unistd.h>

#include <new>
#include <utility>

#include "runtime/errors/run_time_error.h"

namespace qor::rt {
namespace {

constexpr int32_t kInsufficientMemory = 308;  // the OS code 8 plus 300

void ReportOutOfMemory() {
  static bool reporting = false;
  if (std::exchange(reporting, true)) {
    // Nothing that allocates is safe any more.
    static constexpr char kLine[] = "Runtime error: Insufficient Memory\n";
    ssize_t written = write(STDERR_FILENO, kLine, sizeof kLine - 1);
    (void)written;
    _exit(2);
  }
  RunTimeError(kInsufficientMemory);
}

}  // namespace

void InstallOutOfMemoryReport() { std::set_new_handler(ReportOutOfMemory); }

}  // namespace qor::rt
