#pragma once
// What the script runner needs from the program and the host around it: the tester's
// window and state while they exist, the picture the display shows, the program's close
// request and exit code, and where its lines go. The program's main fills it in for the
// host it chose; a test may fill it in with its own.
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>

#include "window/platform/core/types.h"
#include "window/platform/draw/canvas.h"

namespace qor::win {
struct Window;
}

namespace qor::app {
struct TesterState;
}

namespace qor::app::drv {

struct DriverWorld {
  std::function<win::Window*()> window;        // null when not open
  std::function<TesterState*()> state;         // null when the procedure is not running
  // The client area of a top-level window as the display shows it now.
  std::function<std::optional<ui::Canvas>(ui::Hwnd)> shown;
  std::function<void()> requestClose;          // as the close box does
  std::function<void(int)> requestExitCode;    // the code the process ends with
  std::function<void()> commandStarts;         // before each command (the host's budget)
  FILE* out = stdout;
  FILE* err = stderr;
};

}  // namespace qor::app::drv
