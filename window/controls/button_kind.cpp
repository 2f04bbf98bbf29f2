#include "window/controls/button_kind.h"

#include "window/controls/button_repeat.h"
#include "window/controls/control_class.h"
#include "window/controls/control_events.h"
#include "window/controls/control_placement.h"
#include "window/controls/control_window.h"
#include "window/classes/icon_names.h"
#include "window/detail/window_object.h"
#include "window/events/event_codes.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/input.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/timers.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/resources/icon.h"
#include "window/platform/system_controls/button_control.h"
#include "window/platform/system_controls/button_painter.h"
#include "window/platform/system_controls/control_support.h"
#include "window/properties/property_numbers.h"

namespace qor::win {
namespace {

ui::LResult ButtonProc(ui::Hwnd hwnd, uint32_t message, ui::WParam wParam, ui::LParam lParam);

// The record's icon placement: 0 left of the text, 1 right of it, 2 above, 3 below; any
// other value as 0.
ui::IconPlace IconPlaceOf(uint8_t placement) {
  switch (placement) {
    case 1: return ui::IconPlace::kRight;
    case 2: return ui::IconPlace::kAbove;
    case 3: return ui::IconPlace::kBelow;
    default: return ui::IconPlace::kLeft;
  }
}

const ControlClass kButtonClass{"QorButton", ui::kButtonClass, ButtonProc};

class Button : public Control {
 public:
  Button(Window& owner, const ControlRecord& record)
      : Control(owner, record),
        repeat_(RepeatDelayMs(), RepeatIntervalMs()),
        icon_(record.icon.empty() ? ui::IconHandle::None : IconFromName(record.icon)) {}
  ~Button() override;

  ui::LResult Message(ui::WindowProc base, uint32_t message, ui::WParam wParam, ui::LParam lParam);
  void Command(uint32_t notification) override;
  void Changed(ControlChange what) override;
  ui::Size AutoSize() override;

 private:
  bool Immediate() const { return (Flags() & prop::kFlagImmediate) != 0; }
  bool Flat() const { return (Flags() & prop::kFlagFlat) != 0; }
  bool PaintsItself() const { return Flat() || icon_ != ui::IconHandle::None; }
  void Pushed(bool pushed);
  void Released();
  void Carry(const RepeatStep& step);
  void Hover();
  void CheckHover();
  ui::LResult PaintOwnLook();

  ButtonRepeat repeat_;
  ui::IconHandle icon_;
  bool pressPosted_ = false;  // the press posted; its click posts nothing more
};

Button::~Button() {
  if (Handle() && ui::IsWindow(Handle())) {
    ui::KillTimer(Handle(), kRepeatTimerId);
    ui::KillTimer(Handle(), kHoverTimerId);
  }
  if (Owner().defaultButton == this) Owner().defaultButton = nullptr;
  if (icon_ != ui::IconHandle::None) ui::DestroyIcon(icon_);
}

void Button::Carry(const RepeatStep& step) {
  if (step.post) {
    pressPosted_ = true;
    PostControlEventOnce(*this, event::Accepted);
  }
  if (step.timer == RepeatTimer::kStart) ui::SetTimer(Handle(), kRepeatTimerId, static_cast<uint32_t>(step.periodMs));
  if (step.timer == RepeatTimer::kStop) ui::KillTimer(Handle(), kRepeatTimerId);
}

// The system button shows every change of its pressed look through BM_SETSTATE: on
// while held with the pointer on it, off when the pointer slides off or it is let go.
void Button::Pushed(bool pushed) {
  SetState(pushed ? State() | kStatePressed : State() & ~kStatePressed);
  if (!Immediate() && !repeat_.Held()) return;
  if (pushed) {
    Carry(repeat_.Held() ? repeat_.SlideOn() : repeat_.Press());
  } else {
    Carry(repeat_.SlideOff());
  }
}

// Let go, the capture or the focus lost, disabled or destroyed: the repeats end.
void Button::Released() {
  if (repeat_.Held() || repeat_.TimerRunning()) Carry(repeat_.Release());
}

void Button::Command(uint32_t notification) {
  if (notification != ui::BN_CLICKED && notification != ui::BN_DOUBLECLICKED) return;
  // An immediate button posted at its press; a click that came without one (a click
  // sent by the program or the keyboard) posts once.
  if (Immediate() && pressPosted_) return;
  PostControlEvent(*this, event::Accepted);
}

void Button::Hover() {
  if (!Flat() || HasState(kStateHot)) return;
  SetState(State() | kStateHot);
  ui::SetTimer(Handle(), kHoverTimerId, kHoverTimerMs);
}

void Button::CheckHover() {
  if (ui::WindowFromPoint(ui::GetCursorPos()) == Handle()) return;
  ui::KillTimer(Handle(), kHoverTimerId);
  SetState(State() & ~kStateHot);
}

// Flat buttons and buttons with an icon draw their own look with the system button's
// painter; the others leave painting to the system button.
ui::LResult Button::PaintOwnLook() {
  ui::Hwnd hwnd = Handle();
  return ui::PaintControl(hwnd, [this, hwnd](ui::Hdc dc) {
    uint32_t pushedState = static_cast<uint32_t>(ui::SendMessage(hwnd, ui::BM_GETSTATE, 0, 0));
    ui::ButtonLook look{ui::GetClientRect(hwnd), Text()};
    look.pushed = (pushedState & ui::BST_PUSHED) != 0;
    look.focused = (pushedState & ui::BST_FOCUS) != 0;
    look.enabled = ui::IsWindowEnabledItself(hwnd);
    look.isDefault = HasState(kStateDefault);
    look.style = Flat() ? ui::BevelStyle::Flat : ui::BevelStyle::Raised;
    look.hot = HasState(kStateHot);
    look.icon = icon_;
    look.iconPlace = IconPlaceOf(Record().iconPlacement);
    ui::PaintPushButton(dc, look);
  });
}

ui::LResult Button::Message(ui::WindowProc base, uint32_t message, ui::WParam wParam, ui::LParam lParam) {
  ui::Hwnd hwnd = Handle();
  switch (message) {
    case ui::BM_SETSTATE: {
      ui::LResult result = ui::CallWindowProc(base, hwnd, message, wParam, lParam);
      Pushed(wParam != 0);
      return result;
    }
    case ui::WM_LBUTTONUP:
    case ui::WM_KEYUP: {
      // The system button notifies the click inside this call, after giving back the
      // capture; a release outside notifies nothing, so the mark ends here either way.
      ui::LResult result = ui::CallWindowProc(base, hwnd, message, wParam, lParam);
      if (message == ui::WM_LBUTTONUP || wParam == ui::VK_SPACE) {
        if (ui::GetCapture() != hwnd) Released();
        pressPosted_ = false;
      }
      return result;
    }
    case ui::WM_CAPTURECHANGED:
    case ui::WM_KILLFOCUS:
    case ui::WM_ENABLE: {
      ui::LResult result = ui::CallWindowProc(base, hwnd, message, wParam, lParam);
      if (ui::GetCapture() != hwnd) Released();
      return result;
    }
    case ui::WM_DESTROY:
      Released();
      ui::KillTimer(hwnd, kHoverTimerId);
      break;
    case ui::WM_TIMER:
      if (wParam == kRepeatTimerId) {
        Carry(repeat_.Tick());
        return 0;
      }
      if (wParam == kHoverTimerId) {
        CheckHover();
        return 0;
      }
      break;
    case ui::WM_SETFOCUS: {
      ui::LResult result = ui::CallWindowProc(base, hwnd, message, wParam, lParam);
      ReportFocusGained(*this);
      return result;
    }
    case ui::WM_MOUSEMOVE:
      Hover();
      break;
    case ui::WM_PAINT:
      if (PaintsItself()) return PaintOwnLook();
      break;
    default:
      break;
  }
  return ui::CallWindowProc(base, hwnd, message, wParam, lParam);
}

void Button::Changed(ControlChange what) {
  if (what == ControlChange::kRepeat) {
    repeat_.SetTiming(RepeatDelayMs(), RepeatIntervalMs());
    return;
  }
  if (what == ControlChange::kFlags && !Immediate()) Released();
  Control::Changed(what);
}

ui::Size Button::AutoSize() {
  ui::Size content = MeasureControlText(*this);
  if (icon_ != ui::IconHandle::None) {
    content = ui::ButtonFaceExtent({ui::kSmallIconSize, ui::kSmallIconSize}, content,
                                   IconPlaceOf(Record().iconPlacement));
  }
  ui::DialogBaseUnits units = OwnerUnits();
  return {content.cx + 2 * units.width, content.cy + units.height / 2};
}

ui::LResult ButtonProc(ui::Hwnd hwnd, uint32_t message, ui::WParam wParam, ui::LParam lParam) {
  static const ControlClassUse& use = UseControlClass(kButtonClass);  // a map node: stays put
  auto* button = static_cast<Button*>(ControlOfMessage(use, hwnd, message, lParam));
  if (!button || button->Handle() != hwnd) return ui::CallWindowProc(use.base, hwnd, message, wParam, lParam);
  return button->Message(use.base, message, wParam, lParam);
}

}  // namespace

void SetDefaultButton(Window& window, Control* button) {
  Control* previous = window.defaultButton;
  if (previous == button) return;
  if (previous) {
    previous->SetState(previous->State() & ~kStateDefault);
    if (previous->Handle()) ui::SendMessage(previous->Handle(), ui::BM_SETSTYLE, ui::BS_PUSHBUTTON, 1);
  }
  window.defaultButton = button;
  if (!button) return;
  button->SetState(button->State() | kStateDefault);
  if (button->Handle()) ui::SendMessage(button->Handle(), ui::BM_SETSTYLE, ui::BS_DEFPUSHBUTTON, 1);
}

std::unique_ptr<Control> MakeButton(Window& owner, const ControlRecord& record) {
  auto button = std::make_unique<Button>(owner, record);
  if (!CreateControlWindow(*button, kButtonClass, ui::BS_PUSHBUTTON)) return nullptr;
  if (record.buttonFlags & kDefaultButtonFlag) SetDefaultButton(owner, button.get());
  return button;
}

}  // namespace qor::win
