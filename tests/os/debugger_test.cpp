#include "os/debugger.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

namespace qor::os {
namespace {

[[noreturn]] void BreakWithoutCoreFile() {
  rlimit noCore{0, 0};  // the abort is deliberate: no core file for it
  setrlimit(RLIMIT_CORE, &noCore);
  BreakIntoDebugger();
}

TEST(DebuggerDeathTest, WithoutADebuggerBreakingAborts) {
  ASSERT_FALSE(DebuggerAttached());  // tests do not run under a tracer
  EXPECT_EXIT(BreakWithoutCoreFile(), testing::KilledBySignal(SIGABRT), "");
}

}  // namespace
}  // namespace qor::os
