#include "window/accept/accept.h"

#include <string>
#include <vector>

#include "runtime/errors/run_time_error.h"
#include "runtime/base/trace_log.h"
#include "window/accept/default_actions.h"
#include "window/accept/field_updates.h"
#include "window/events/thread_switches.h"
#include "window/accept/wait_for_event.h"
#include "window/controls/control.h"
#include "window/detail/live_objects.h"
#include "window/detail/thread_table.h"
#include "window/detail/window_object.h"
#include "window/events/event_codes.h"

namespace qor::win {
namespace {

constexpr int32_t kNoWindowForAccept = 537;

void TraceEvent(const Window& window, const detail::EventRecord& event) {
  if (!rt::TraceLogEnabled()) return;
  rt::WriteTraceLine("Event " + EventName(event.code - kEventBase) + " control " + std::to_string(event.control) +
                     " window " + window.record.label);
}

// Nested loops keep apart: each restores the current event it found.
class CurrentEventScope {
 public:
  explicit CurrentEventScope(detail::ThreadState& thread)
      : thread_(thread), had_(thread.hasCurrent), saved_(thread.current) {}
  ~CurrentEventScope() {
    thread_.hasCurrent = had_;
    thread_.current = saved_;
  }
  CurrentEventScope(const CurrentEventScope&) = delete;
  CurrentEventScope& operator=(const CurrentEventScope&) = delete;

 private:
  detail::ThreadState& thread_;
  bool had_;
  detail::EventRecord saved_;
};

bool StillOpen(Window* window) {
  return detail::LiveWindow(reinterpret_cast<uintptr_t>(window)) && window->IsOpen();
}

}  // namespace

void Accept(const AcceptBody& body) {
  detail::ThreadState* thread = detail::CallingThread();
  Window* window = thread ? thread->active : nullptr;
  if (!window || !window->IsOpen()) rt::RunTimeError(kNoWindowForAccept, "WSLDIAL");
  CurrentEventScope scope(*thread);
  while (StillOpen(window)) {
    DisplayChangedFields(*window);
    detail::EventRecord event;
    if (!WaitForEvent(*window, *thread, event)) break;
    thread->current = event;
    thread->hasCurrent = true;
    TraceEvent(*window, event);
    NoteBodyAboutToRun(*window);
    int outcome = body();
    if (outcome == kTurnLeave || event.code == event::OpenFailed + kEventBase) break;
    if (outcome == kTurnDone && StillOpen(window)) RunDefaultAction(*window, event);
  }
}

}  // namespace qor::win
