#pragma once
// The kzt_asm program: the entry sequence through the runtime (start handlers, main,
// shutdown, exit) and what a driver may add to it. Without additions it is the plain
// program: main sets up the window runtime, starts the error manager and names the
// settings file, runs KZT_A001 once and stops the error manager.
#include <cstdint>
#include <functional>
#include <optional>

#include "app/tester/kzt_a001.h"

namespace qor::app {

struct ProgramAdditions {
  // Seeds the generator with this instead of the clock, at the same point of start-up.
  std::optional<uint32_t> seed;
  // Called each time a loop would sleep with nothing left to do: its window's event
  // queue empty and nothing on the platform queue (no posted or input message, no paint
  // pending, no timer due). Whatever it queues is handled before it is called again.
  std::function<void()> atIdle;
  // Called once KZT_A001 has returned (its window closed and released), before the
  // error manager stops and the runtime shuts down.
  std::function<void()> atEnd;
};

// The whole process. The caller installs the host first. Never returns; the exit code
// is the program's (0) unless RequestExitCode asked for another.
[[noreturn]] void RunTesterProgram(const ProgramAdditions& additions = {});

// The process ends with `code` instead of 0 once the program has ended in order.
void RequestExitCode(int code);
// A close request as the window's close box makes; nothing when the window is not open.
void RequestClose();

// The application main: window runtime, error manager, settings file, KZT_A001.
void ApplicationMain();

}  // namespace qor::app
