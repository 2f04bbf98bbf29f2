// kzt_asm: the bit-routine tester. Without options it opens on the desktop; the options
// (kzt_asm --help) add a scripted driver, headless or on the desktop, a fixed seed and
// the first-frame measurement. The desktop side is handed to the driver from here, the
// one place that links the desktop host.
#include "app/desktop/desktop_run.h"
#include "app/driver/driver_main.h"
#include "window/platform/core/host.h"
#include "window/platform/hosts/sdl/desktop_host.h"

namespace {

qor::ui::DesktopHost* Desktop() { return dynamic_cast<qor::ui::DesktopHost*>(&qor::ui::CurrentHost()); }

}  // namespace

int main(int argc, char** argv) {
  qor::app::drv::DesktopSide desktop;
  desktop.run = [](const qor::app::ProgramAdditions& additions) { return qor::app::RunOnDesktop(additions); };
  desktop.present = [] {
    if (qor::ui::DesktopHost* host = Desktop()) host->Present();
  };
  desktop.shown = [](qor::ui::Hwnd top) -> std::optional<qor::ui::Canvas> {
    qor::ui::DesktopHost* host = Desktop();
    if (!host) return std::nullopt;
    host->Present();
    return host->ReadBack(top);
  };
  return qor::app::drv::Main(argc, argv, desktop);
}
