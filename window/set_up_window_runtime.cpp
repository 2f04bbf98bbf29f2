#include "window/set_up_window_runtime.h"

#include <atomic>
#include <vector>

#include "runtime/startup/shutdown.h"
#include "window/events/thread_switches.h"
#include "window/classes/frame_client.h"
#include "window/classes/icon_names.h"
#include "window/controls/standard_kinds.h"
#include "window/detail/thread_table.h"
#include "window/detail/window_object.h"
#include "window/events/post_event.h"
#include "window/message_box/box_ui_service.h"
#include "window/message_box/box_window_services.h"
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

// A box is owned by the calling thread's current window and loads icons by name the way
// window definitions name them. This program opens no application frame.
ui::Hwnd CurrentWindowHandle() {
  Window* window = TargetWindow();
  return window && window->IsOpen() ? window->handle : ui::Hwnd{};
}

ui::IconHandle BoxIconByName(std::string_view name) { return IconFromName(name); }

void ConnectMessageBox() {
  InstallMessageBoxService();
  SetBoxWindowServices({CurrentWindowHandle, nullptr, BoxIconByName});
}

// The message box service goes with the classes: after this, boxes fall back to the
// runtime's own reporting.
void ReleaseClasses() {
  UnregisterAuxiliaryClass();
  SetBoxWindowServices({});
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
  ConnectMessageBox();
  RegisterStandardControlKinds();
  rt::SetShutdownRoutine(rt::ShutdownStep::CloseWindows, CloseEveryWindow);
  rt::SetShutdownRoutine(rt::ShutdownStep::ReleaseThreads, ReleaseThreads);
  rt::SetShutdownRoutine(rt::ShutdownStep::ReleaseClasses, ReleaseClasses);
}

bool WindowRuntimeSetUp() { return gSetUp; }

}  // namespace qor::win
