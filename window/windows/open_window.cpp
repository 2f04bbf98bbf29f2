// Opening a window.
#include <algorithm>
#include <atomic>
#include <functional>
#include <utility>
#include <vector>

#include "runtime/errors/run_time_error.h"
#include "window/classes/register_window_class.h"
#include "window/controls/control_kinds.h"
#include "window/definition/layout.h"
#include "window/detail/thread_table.h"
#include "window/detail/window_object.h"
#include "window/events/event_codes.h"
#include "window/events/queue_event.h"
#include "window/events/thread_switches.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/windows/control_lookup.h"
#include "window/platform/core/focus.h"
#include "window/platform/dialogs/dialog.h"
#include "window/windows/modal_count.h"
#include "window/windows/record_walk.h"
#include "window/windows/window_lifecycle.h"
#include "window/windows/window_procedure.h"
#include "window/windows/window_timer.h"

namespace qor::win {
namespace {

constexpr char kModule[] = "WSLDIAL";
constexpr int32_t kBindingFault = 501;
constexpr int32_t kCannotOpen = 529;
constexpr int32_t kAlreadyOpen = 535;
constexpr uint32_t kModalFlag = 0x8;  // second flag word
constexpr ui::DialogBaseUnits kFallbackUnits{6, 13};

void MeasureFont(Window& window) {
  window.font = nullptr;
  const std::optional<FontRecord>& font = window.record.font;
  if (font && font->points > 0) {
    int weight = font->style > 0 ? font->style : 400;
    window.font = ui::CreatePointFont(font->face, font->points, weight, false);
  }
  window.units = ui::MeasureBaseUnits(window.font);
  if (window.units.width <= 0 || window.units.height <= 0) window.units = kFallbackUnits;
}

uint32_t FrameStyle(const Window& window) {
  if (window.record.title.empty()) return ui::WS_POPUP | ui::WS_BORDER;
  return ui::WS_OVERLAPPED | ui::WS_CAPTION | ui::WS_SYSMENU;  // fixed frame, caption, close box
}

// The definition gives the client area in dialog units; what it leaves out takes the
// platform's default.
ui::CreateParams CreationOf(Window& window, ui::Hwnd owner) {
  const Placement& at = window.record.at;
  ui::CreateParams params;
  params.className = window.className;
  params.title = window.record.title;
  params.style = FrameStyle(window);
  params.parent = owner;
  params.param = &window;
  ui::Rect insets = ui::FrameInsets(params.style);
  if (at.x != layout::kNotGiven && at.y != layout::kNotGiven) {
    params.x = ui::DialogUnitsToPixelsX(at.x, window.units);
    params.y = ui::DialogUnitsToPixelsY(at.y, window.units);
  }
  if (at.width != layout::kNotGiven && at.height != layout::kNotGiven) {
    params.width = ui::DialogUnitsToPixelsX(at.width, window.units) + insets.left + insets.right;
    params.height = ui::DialogUnitsToPixelsY(at.height, window.units) + insets.top + insets.bottom;
  }
  return params;
}

bool Matches(const ControlRecord& record, const UseVariable& use) {
  if (!record.use) return true;
  return record.use->typeCode == use.typeCode && record.use->byteSize == use.size;
}

// Each variable-showing record takes the next use variable, whether or not a kind makes
// its control, so an unregistered kind cannot shift later bindings.
void BindUseVariables(Window& window) {
  size_t count = 0;
  ForEachControlRecord(window.record, [&](const ControlRecord& record) { count += ShowsUseVariable(record); });
  window.bindings.clear();
  window.bindings.reserve(count);
  ForEachControlRecord(window.record, [&](const ControlRecord& record) {
    if (!ShowsUseVariable(record)) return;
    size_t next = window.bindings.size();
    if (next >= window.uses.size() || !window.uses[next].address || !Matches(record, window.uses[next])) {
      rt::RunTimeError(kBindingFault, kModule);
    }
    const UseVariable& use = window.uses[next];
    window.bindings.push_back(detail::UseBinding{use.address, use.typeCode, use.size, false, {}});
  });
}

// Group children come right after their group; each is given the group as its
// container (its window stays a child of the window itself).
void CreateControls(Window& window) {
  size_t binding = 0;
  std::vector<std::pair<const ControlRecord*, Control*>> groups;
  ForEachControlRecord(window.record, [&](const ControlRecord& record) {
    detail::UseBinding* use = ShowsUseVariable(record) ? &window.bindings[binding++] : nullptr;
    std::unique_ptr<Control> control = CreateControl(window, record);
    if (!control) return;
    control->Bind(use);
    for (auto group = groups.rbegin(); group != groups.rend(); ++group) {
      const std::vector<ControlRecord>& children = group->first->children;
      if (std::any_of(children.begin(), children.end(), [&](const ControlRecord& child) { return &child == &record; })) {
        control->SetContainer(group->second);
        break;
      }
    }
    if (!record.children.empty()) groups.emplace_back(&record, control.get());
    window.controls.push_back(std::move(control));
  });
  IndexControlsByNumber(window);
}

void MakePlatformWindow(Window& window, detail::ThreadState& thread) {
  RegisterWindowClass(window, WindowProcedure);
  MeasureFont(window);
  ui::Hwnd owner = thread.active && thread.active->IsOpen() ? thread.active->handle : ui::Hwnd{};
  window.thread = &thread;
  window.handle = ui::CreateWindow(CreationOf(window, owner));
  if (!window.handle) {
    UnregisterWindowClass(window);
    rt::RunTimeError(kCannotOpen, kModule);
  }
  QueueEvent(window, event::OpenWindow, 0);
}

void Activate(Window& window, detail::ThreadState& thread) {
  window.previousActive = thread.active;
  thread.open.push_back(&window);
  detail::SetActiveWindow(thread, &window);
  NoteWindowOpened(thread.number);
}

// The focus starts on the first control in the tab order, if any takes it; being
// placed there is no selection by the user or the program, so it posts nothing.
void FocusFirstTabStop(Window& window) {
  ui::Hwnd first = ui::GetNextDlgTabItem(window.handle, ui::Hwnd{}, false);
  if (!first) return;
  window.quietFocus = true;
  ui::SetFocus(first);
  window.quietFocus = false;
}

}  // namespace

void OpenWindow(Window* window) {
  if (window->IsOpen()) rt::RunTimeError(kAlreadyOpen, kModule);
  detail::ThreadState* thread = detail::CallingThread();
  if (!thread) rt::RunTimeError(kCannotOpen, kModule);
  MakePlatformWindow(*window, *thread);
  if ((window->record.flags2 & kModalFlag) || ModalCount() > 0) CountModal(*window);
  BindUseVariables(*window);
  CreateControls(*window);
  Activate(*window, *thread);
  ui::ShowWindow(window->handle, ui::SW_SHOW);
  FocusFirstTabStop(*window);
  StartWindowTimer(*window);
}

}  // namespace qor::win
