#include "window/set_up_window_runtime.h"

#include <atomic>
#include <vector>

#include "runtime/startup/shutdown.h"
#include "window/events/thread_switches.h"
#include "window/classes/frame_client.h"
#include "window/controls/standard_kinds.h"
#include "window/detail/thread_table.h"
#include "window/detail/window_object.h"
#include "window/message_box/box_ui_service.h"
#include "window/windows/window_lifecycle.h"

namespace qor::win {
namespace {

std::atomic<bool> gSetUp{false};

void CloseEveryWindow() {
  std::vector<Window*> open;
  detail::ForEachThread([&open](detail::ThreadState& thread) {
    open.insert(open.end(), thread.open.begin(), thread.open.end());
  });
  for (auto newest = open.rbegin(); newest != open.rend(); ++newest) CloseWindow(*newest);
}

// The message box service goes with the classes: after this, boxes fall back to the
// runtime's own reporting.
void ReleaseClasses() {
  UnregisterAuxiliaryClass();
  RemoveMessageBoxService();
}

void ReleaseThreads() {
  detail::ReleaseThreadTable();
  ResetThreadSwitches();
}

}  // namespace

void SetUpWindowRuntime() {
  if (gSetUp.exchange(true)) return;
  detail::CallingThread();
  RegisterAuxiliaryClass();
  InstallMessageBoxService();
  RegisterStandardControlKinds();
  rt::SetShutdownRoutine(rt::ShutdownStep::CloseWindows, CloseEveryWindow);
  rt::SetShutdownRoutine(rt::ShutdownStep::ReleaseThreads, ReleaseThreads);
  rt::SetShutdownRoutine(rt::ShutdownStep::ReleaseClasses, ReleaseClasses);
}

bool WindowRuntimeSetUp() { return gSetUp; }

}  // namespace qor::win
