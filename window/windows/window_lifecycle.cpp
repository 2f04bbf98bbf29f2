// Preparing, closing and releasing windows.
#include "window/windows/window_lifecycle.h"

#include <algorithm>

#include "runtime/errors/run_time_error.h"
#include "window/classes/register_window_class.h"
#include "window/controls/control.h"
#include "window/definition/decode.h"
#include "window/detail/live_objects.h"
#include "window/detail/thread_table.h"
#include "window/detail/window_object.h"
#include "window/load_window_definition.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/system_controls/tooltip_control.h"
#include "window/windows/modal_count.h"
#include "window/windows/record_walk.h"
#include "window/windows/window_timer.h"

namespace qor::win {
namespace {

constexpr int32_t kDefinitionFault = 502;
constexpr int kPaintLimit = 10000;  // a window that never validates cannot hold the close

std::vector<int32_t> FieldNumbers(const WindowRecord& record) {
  std::vector<int32_t> numbers;
  ForEachControlRecord(record, [&](const ControlRecord& control) {
    if (control.number != 0) numbers.push_back(control.number);
  });
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  return numbers;
}

void DispatchPendingPaints() {
  ui::Msg msg;
  for (int i = 0; i < kPaintLimit && ui::PeekMessage(msg, ui::Hwnd{}, ui::WM_PAINT, ui::WM_PAINT, ui::PM_REMOVE); ++i) {
    ui::DispatchMessage(msg);
  }
}

// The thread's active window after `window` closed: the one active before it opened,
// when still open, else the newest open window.
void HandBackActive(Window& window) {
  detail::ThreadState* thread = window.thread;
  if (!thread) return;
  std::erase(thread->open, &window);
  for (Window* other : thread->open) {
    if (other->previousActive == &window) other->previousActive = window.previousActive;
  }
  if (thread->active != &window) return;
  Window* next = window.previousActive;
  if (!next || !next->IsOpen()) next = thread->open.empty() ? nullptr : thread->open.back();
  detail::SetActiveWindow(*thread, next);
}

void ForgetEverywhere(Window* window) {
  detail::ForEachThread([window](detail::ThreadState& thread) {
    if (thread.active == window) detail::SetActiveWindow(thread, nullptr);
    if (thread.target == window) thread.target = nullptr;
    std::erase(thread.open, window);
  });
}

}  // namespace

Window* PrepareWindow(std::string_view qualifiedName, std::string_view label, std::span<const UseVariable> uses) {
  uint32_t at = LoadWindowDefinition(qualifiedName, label);
  if (at == 0) rt::RunTimeError(kDefinitionFault, "WSLDIAL");
  auto* window = new Window;
  window->qualifiedName = std::string(qualifiedName);
  window->record = DecodeWindow(CurrentDefinition(), at);
  window->module = CurrentResourceModule();
  window->uses.assign(uses.begin(), uses.end());
  window->numbers = FieldNumbers(window->record);
  window->timerValue = static_cast<int32_t>(window->record.timer);
  detail::NoteLive(window);
  return window;
}

void CloseWindow(Window* window) {
  if (!window || !window->IsOpen()) return;
  DispatchPendingPaints();
  StopWindowTimer(*window);
  window->timerPending = false;
  window->queue.Clear();
  window->focus = window->defaultButton = nullptr;
  window->selecting = 0;
  window->completing = false;
  window->suspended = false;
  ui::Hwnd handle = window->handle;
  window->handle = ui::Hwnd{};
  ui::DestroyWindow(handle);
  window->byNumber.clear();
  window->controls.clear();
  window->bindings.clear();
  window->font = nullptr;
  UnregisterWindowClass(*window);
  UncountModal(*window);
  HandBackActive(*window);
  // The thread's tip window serves its controls; it goes with the last window.
  if (window->thread && window->thread->open.empty()) ui::DestroyThreadToolTip();
}

void ReleaseWindow(Window* window) {
  if (!window) return;
  CloseWindow(window);
  ForgetEverywhere(window);
  detail::NoteGone(window);
  delete window;
}

bool IsWindowOpen(const Window* window) { return window && window->IsOpen(); }
ui::Hwnd WindowHandle(const Window* window) { return window ? window->handle : ui::Hwnd{}; }

}  // namespace qor::win
