#include "app/desktop/desktop_run.h"

#include <cstdio>
#include <memory>
#include <string>

#include "window/platform/core/session.h"
#include "window/platform/hosts/sdl/desktop_host.h"

namespace qor::app {

int RunOnDesktop(const ProgramAdditions& additions) {
  std::string error;
  // Lives until the process ends: the program exits from inside RunTesterProgram.
  static std::unique_ptr<ui::DesktopHost> host;
  host = ui::DesktopHost::Open(&error);
  if (!host) {
    std::fprintf(stderr, "kzt_asm: cannot open the display (%s); use --headless with --script to run without one\n",
                 error.c_str());
    return 2;
  }
  ui::InstallTerminationHandlers();
  RunTesterProgram(additions);
}

}  // namespace qor::app
