#pragma once
// kzt_asm's main with its options: the plain tester on the desktop, or the tester driven
// by a script (headless on the virtual clock, or on the desktop in real time), or the
// first-frame measurement. The script is read and checked in full before anything
// starts. The desktop host lives in its own library, so the caller hands in its side.
#include <functional>
#include <optional>

#include "app/tester/tester_program.h"
#include "window/platform/core/types.h"
#include "window/platform/draw/canvas.h"

namespace qor::app::drv {

struct DesktopSide {
  // Opens the display and runs the program (RunOnDesktop): returns only without a display.
  std::function<int(const ProgramAdditions&)> run;
  // Puts what the core has painted on the screen now.
  std::function<void()> present;
  // The client area of a top-level window as the display shows it.
  std::function<std::optional<ui::Canvas>(ui::Hwnd)> shown;
};

int Main(int argc, char** argv, const DesktopSide& desktop);

}  // namespace qor::app::drv
