#include "runtime/errors/diagnostic.h"

#include <execinfo.h>

#include <cinttypes>
#include <cstdio>
#include <string>

#include "runtime/base/trace_log.h"
#include "runtime/errors/run_time_error.h"

namespace qor::rt {
namespace {

constexpr std::string_view kDashLine = "----------------------------------";
static_assert(kDashLine.size() == 34);

std::string FormatReturnAddress(void* address) {
  char text[2 * sizeof(void*) + 1];
  std::snprintf(text, sizeof text, "%0*" PRIXPTR, kReturnAddressDigits,
                reinterpret_cast<std::uintptr_t>(address));
  return text;
}

// Writes the return addresses of the chain that called FatalDiagnostic, nearest first.
[[gnu::noinline]] void TraceCallChain() {
  constexpr int kOwnFrames = 2;  // this function and FatalDiagnostic
  void* frames[kMaxReturnAddresses + kOwnFrames];
  const int count = backtrace(frames, kMaxReturnAddresses + kOwnFrames);
  for (int i = kOwnFrames; i < count; ++i) WriteTraceLine(FormatReturnAddress(frames[i]));
}

}  // namespace

std::string_view DiagnosticMessage(Diagnostic diagnostic) {
  switch (diagnostic) {
    case Diagnostic::kCorruptBlock:
      return "Corrupt block/Unknown block type freed.  This is probably caused by freeing a "
             "static variable or a bad pointer.";
    case Diagnostic::kOutOfFreeSpace:
      return "Out of free space";
    case Diagnostic::kFreedTwice:
      return "memory block free'd twice";
  }
  return "Unknown diagnostic";
}

[[gnu::noinline]] void FatalDiagnostic(Diagnostic diagnostic) {
  const std::string message(DiagnosticMessage(diagnostic));
  if (TraceLogEnabled()) {
    WriteTraceLine("Error: " + message);
    TraceCallChain();
    WriteTraceLine(kDashLine);
  }
  RunTimeError(0, message.c_str());
}

}  // namespace qor::rt
