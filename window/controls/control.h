#pragma once
// The control object: what every control kind has in common. A kind derives from it,
// creates its platform window in its factory (control_kinds.h) and overrides the hooks
// it needs; the window runtime owns the object from open to close. A control names its
// record (number, type, flags, texts), its platform window, and the use variable bound
// to its record when the window opened.
#include <cstdint>

#include "window/definition/records.h"
#include "window/platform/dialogs/dialog_units.h"
#include "window/platform/core/types.h"

namespace qor::win {

struct Window;
namespace detail {
struct UseBinding;
}

class Control {
 public:
  Control(Window& owner, const ControlRecord& record);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Window& Owner() const { return owner_; }
  ui::Hwnd OwnerHandle() const;
  // The owner's dialog base units, for placing the control.
  ui::DialogBaseUnits OwnerUnits() const;
  const ControlRecord& Record() const { return record_; }
  int32_t Number() const { return record_.number; }
  uint8_t Type() const { return record_.type; }
  uint32_t Flags() const { return flags_; }
  void SetFlags(uint32_t flags) { flags_ = flags; }
  uint32_t State() const { return state_; }
  void SetState(uint32_t state) { state_ = state; }

  ui::Hwnd Handle() const { return handle_; }
  // Set by the kind once its platform window exists; makes the control findable from it.
  void SetHandle(ui::Hwnd handle);

  // The use variable; null address when the control shows none.
  bool HasUse() const { return binding_ != nullptr; }
  void* UseAddress() const;
  uint8_t UseType() const;
  uint32_t UseSize() const;
  // True when the variable's bytes differ from those shown last (or were never shown).
  bool VariableChanged() const;
  // Shows the variable now (Display) and remembers the bytes shown.
  void Redisplay();

  // Hooks a kind overrides.
  // Shows the use variable in the control.
  virtual void Display() {}
  // Stores edited contents into the use variable (the focused control, as its window
  // is asked to close).
  virtual void StoreEdit() {}
  // The completion pass asks whether the contents are valid.
  virtual bool ContentsValid() { return true; }
  // Sets the text selection (character positions).
  virtual void SetSelection(int32_t /*first*/, int32_t /*last*/) {}
  // A WM_COMMAND notification from the control's platform window to its parent.
  virtual void Command(uint32_t /*notification*/) {}

  // Internal: the window runtime binds the record's use variable at open.
  void Bind(detail::UseBinding* binding) { binding_ = binding; }

 private:
  Window& owner_;
  ControlRecord record_;
  uint32_t flags_;
  uint32_t state_ = 0;
  ui::Hwnd handle_;
  detail::UseBinding* binding_ = nullptr;
};

// Kinds report here each time their control gains the focus: it becomes its window's
// focus control and, when it has a number, EVENT:Selected is queued for it.
void ReportFocusGained(Control& control);

}  // namespace qor::win
