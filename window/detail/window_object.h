#pragma once
// Internal: the window object. It keeps its own decoded definition record (never an
// offset into the shared definition buffer, which the next load replaces), its event
// queue, its controls and their use bindings, and its timer. The platform window exists
// from open to close; the object lives from PrepareWindow to ReleaseWindow.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "window/definition/records.h"
#include "window/detail/event_queue.h"
#include "window/detail/use_binding.h"
#include "window/platform/dialogs/dialog_units.h"
#include "window/platform/draw/font.h"
#include "os/module.h"
#include "window/platform/core/types.h"
#include "window/windows/use_variable.h"

namespace qor::win {

class Control;

namespace detail {
struct ThreadState;
}

struct Window {
  // From PrepareWindow.
  std::string qualifiedName;
  WindowRecord record;
  os::ModuleHandle module = nullptr;      // the module that supplied the definition
  std::vector<UseVariable> uses;          // the procedure's variables, in control order
  std::vector<int32_t> numbers;           // field numbers of every control record, ascending

  // From open to close.
  ui::Hwnd handle;
  detail::ThreadState* thread = nullptr;  // the thread that opened it
  Window* previousActive = nullptr;       // the thread's active window before it opened
  ui::FontHandle font;
  ui::DialogBaseUnits units;
  std::string className;
  uint32_t classCounter = 0;
  ui::IconHandle classIcon = ui::IconHandle::None;
  bool ownsClassIcon = false;
  bool countedModal = false;
  std::vector<detail::UseBinding> bindings;           // one per variable-showing record
  std::vector<std::unique_ptr<Control>> controls;     // created controls, in creation order
  std::vector<Control*> byNumber;                     // the numbered ones, by number (control_lookup.h)
  detail::EventQueue queue;

  // Timer: the interval in hundredths of a second (0: none) and the pending mark.
  int32_t timerValue = 0;
  bool timerRunning = false;
  bool timerPending = false;

  Control* focus = nullptr;
  bool quietFocus = false;                // the focus moves without EVENT:Selected (at open)
  Control* defaultButton = nullptr;
  int32_t selecting = 0;                  // control marked by SelectControl, 0 for none
  bool completing = false;                // the completion pass runs
  size_t completionNext = 0;              // index into controls of the pass's next visit
  bool suspended = false;

  bool IsOpen() const { return static_cast<bool>(handle); }
};

}  // namespace qor::win
