#pragma once
// The control object: what every control kind has in common. A kind derives from it,
// creates its platform window in its factory (control_kinds.h) and overrides the hooks
// it needs; the window runtime owns the object from open to close. A control names its
// record (number, type, flags, texts), its platform window, the use variable bound to
// its record when the window opened, and the state that properties read and set: text,
// tip, font, position in dialog units, justification offset, flag and state words,
// repeat timing. Each setter keeps the value and calls Changed, which re-applies it to
// the platform window; a kind overrides Changed for what it shows itself and hands the
// rest to the base.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "window/definition/records.h"
#include "window/platform/core/types.h"
#include "window/platform/dialogs/dialog_units.h"
#include "window/platform/draw/font.h"

namespace qor::win {

struct Window;
namespace detail {
struct UseBinding;
}

// Bits of a control's state word.
inline constexpr uint32_t kStatePressed = 0x1;
inline constexpr uint32_t kStateDefault = 0x4;
inline constexpr uint32_t kStateHot = 0x10;

// A control's font, resolved against its window's: never an empty face or a size of 0.
struct ControlFont {
  std::string face;
  int32_t points = 0;
  int32_t colour = -1;  // 0x00BBGGRR; -1: the default text colour
  int32_t weight = 400;
  bool operator==(const ControlFont&) const = default;
};

// What a setter changed, for Changed.
enum class ControlChange : uint8_t {
  kText,           // the text
  kTip,            // the tool tip text
  kFont,           // face, size, colour or weight
  kPlacement,      // position, size or the automatic size marks
  kJustification,  // the justification bits of the flag word or the offset
  kFlags,          // any other bit of the flag word
  kState,          // the state word
  kRepeat,         // the repeat delay or interval
};

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

  ui::Hwnd Handle() const { return handle_; }
  // Set by the kind once its platform window exists; makes the control findable from it.
  void SetHandle(ui::Hwnd handle);

  // The group box that holds the control, null when it lies on the window itself.
  Control* Container() const { return container_; }
  void SetContainer(Control* container) { container_ = container; }

  // Text and tool tip: from the record (a text beginning with "~" shows the record's
  // alternative text instead).
  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  const std::string& Tip() const { return tip_; }
  void SetTip(std::string tip);

  // The resolved font; the platform font made from it (null until a kind asks).
  const ControlFont& Font() const { return font_; }
  void SetFont(ControlFont font);
  const ui::FontHandle& PlatformFont();

  // Position in dialog units as last given (width or height may be
  // layout::kNotGiven); the automatic marks say the kind sizes itself. A new width or
  // height sets its mark by whether it is layout::kNotGiven (a given size ends an
  // automatic one); SetAutoSize sets the marks alone.
  const Placement& Position() const { return position_; }
  void SetPosition(const Placement& position);
  bool AutoWidth() const { return autoWidth_; }
  bool AutoHeight() const { return autoHeight_; }
  void SetAutoSize(bool width, bool height);

  // The flag word (attribute bits: 0x1C justification, 0x20 out of the tab order, 0x800
  // immediate, 0x1000 no border, 0x4000 flat) and the offset of the justified text in
  // dialog units.
  uint32_t Flags() const { return flags_; }
  void SetFlags(uint32_t flags);
  int32_t JustifyOffset() const { return justifyOffset_; }
  void SetJustifyOffset(int32_t offset);

  // Alert keys: key codes (value bits only) that, pressed while the control has the
  // focus, raise EVENT:AlertKey on it instead of acting as keys. Slots 0 to 255; a slot
  // holding 0 has none.
  uint32_t AlertKey(int32_t slot) const;
  void SetAlertKey(int32_t slot, uint32_t keyCode);
  bool IsAlertKey(uint32_t keyCode) const;

  // The state word: kStatePressed, kStateDefault, kStateHot.
  uint32_t State() const { return state_; }
  void SetState(uint32_t state);
  bool HasState(uint32_t bits) const { return (state_ & bits) == bits; }

  // A button's repeat timing in milliseconds (the record's hundredths ×10, kept within
  // the rule of window/properties/timing_values.h).
  int32_t RepeatDelayMs() const { return repeatDelayMs_; }
  int32_t RepeatIntervalMs() const { return repeatIntervalMs_; }
  void SetRepeatDelayMs(int32_t milliseconds);
  void SetRepeatIntervalMs(int32_t milliseconds);

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
  // A setter changed something: re-apply it. The base applies text, font, placement
  // (with AutoSize) and the enabled, visible and tab stop styles to the platform window.
  virtual void Changed(ControlChange what);
  // The size in pixels the kind takes when its width or height is automatic.
  virtual ui::Size AutoSize() { return ui::Size{0, 0}; }
  // Makes the platform window again in place (same class, styles, position, id and
  // parent: RecreateControlWindow); false when that fails.
  virtual bool Recreate();
  // Shows the use variable in the control.
  virtual void Display() {}
  // Stores edited contents into the use variable (the focused control, as its window
  // is asked to close).
  virtual void StoreEdit() {}
  // The completion pass asks whether the contents are valid.
  virtual bool ContentsValid() { return true; }
  // Enter in the control: accept its edited contents as leaving it would, keeping the
  // focus; false when they were refused (Enter then goes no further).
  virtual bool AcceptInPlace() { return true; }
  // Sets the text selection (character positions).
  virtual void SetSelection(int32_t /*first*/, int32_t /*last*/) {}
  // A WM_COMMAND notification from the control's platform window to its parent.
  virtual void Command(uint32_t /*notification*/) {}

  // Enabled and shown: a disabled control is created with the disabled style, a hidden
  // one without the visible style.
  bool Disabled() const { return disabled_; }
  void SetDisabled(bool disabled);
  bool Hidden() const { return hidden_; }
  void SetHidden(bool hidden);

  // Internal: whether the control's window is a tool of its thread's tip (control_tips.h).
  bool ToolAdded() const { return toolAdded_; }
  void SetToolAdded(bool added) { toolAdded_ = added; }

  // Internal: the window runtime binds the record's use variable at open.
  void Bind(detail::UseBinding* binding) { binding_ = binding; }

 private:
  Window& owner_;
  ControlRecord record_;
  uint32_t flags_;
  uint32_t state_ = 0;
  ui::Hwnd handle_;
  Control* container_ = nullptr;
  detail::UseBinding* binding_ = nullptr;
  std::string text_;
  std::string tip_;
  ControlFont font_;
  ui::FontHandle platformFont_;
  Placement position_;
  bool autoWidth_ = false;
  bool autoHeight_ = false;
  int32_t justifyOffset_ = 0;
  bool disabled_ = false;
  bool hidden_ = false;
  bool toolAdded_ = false;
  std::vector<std::pair<int32_t, uint32_t>> alertKeys_;  // (slot, key code), few or none
  int32_t repeatDelayMs_ = 0;
  int32_t repeatIntervalMs_ = 0;
};

// The font a control record asks for, resolved against its window's record: an empty
// face, a size of 0, the default colour or style take the window font's; a window
// without a font gives "System" at 10 points.
ControlFont ResolveControlFont(const WindowRecord& window, const ControlRecord& control);

// Kinds report here each time their control gains the focus: it becomes its window's
// focus control and, when it has a number, EVENT:Selected is queued for it (not for the
// first focus a window gives as it opens).
void ReportFocusGained(Control& control);

}  // namespace qor::win
