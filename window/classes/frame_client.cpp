#include "window/classes/frame_client.h"

#include "window/platform/defaults/default_proc.h"
#include "os/module.h"
#include "window/platform/core/window_class.h"

namespace qor::win {

void RegisterAuxiliaryClass() {
  if (ui::GetClassInfo(kAuxiliaryClassName)) return;
  ui::WindowClass description;
  description.name = kAuxiliaryClassName;
  description.proc = ui::DefWindowProc;
  description.module = os::ExecutableModule();
  ui::RegisterClass(description);
}

void UnregisterAuxiliaryClass() { ui::UnregisterClass(kAuxiliaryClassName); }

void RefreshFrameClient() {
  // The frame window is never opened by this program, so there is no client area to
  // refresh.
}

}  // namespace qor::win
