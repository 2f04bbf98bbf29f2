#include "window/controls/text_kinds.h"

#include "window/controls/control_class.h"
#include "window/controls/control_placement.h"
#include "window/controls/control_window.h"
#include "window/definition/layout.h"
#include "window/platform/core/invalidation.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/draw/logical_dpi.h"
#include "window/platform/draw/primitives.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/system_controls/button_control.h"
#include "window/platform/system_controls/control_support.h"
#include "window/platform/system_controls/static_control.h"
#include "window/platform/system_controls/static_painter.h"
#include "window/properties/property_numbers.h"

namespace qor::win {
namespace {

// The kinds' classes, by index, defined after the kinds whose procedures they name.
enum ClassIndex { kPrompt, kString, kGroup, kCheck, kList, kDrop };
const ControlClass& ClassAt(ClassIndex index);

uint32_t StaticAlignment(uint32_t flags) {
  switch (flags & prop::kFlagJustifyMask) {
    case prop::kFlagJustifyRight:
    case prop::kFlagJustifyDecimal:
      return ui::SS_RIGHT;
    case prop::kFlagJustifyCentred:
      return ui::SS_CENTER;
    default:
      return ui::SS_LEFT;
  }
}

// A prompt paints as the system static text does, its text moved by the offset: right
// for left and centred text, left for right-justified text.
class Prompt : public Control {
 public:
  using Control::Control;
  static constexpr bool kPaints = true;
  ui::LResult Paint() {
    ui::Hwnd hwnd = Handle();
    return ui::PaintControl(hwnd, [this, hwnd](ui::Hdc dc) {
      uint32_t alignment = StaticAlignment(Flags());
      int offset = ui::DialogUnitsToPixelsX(JustifyOffset(), OwnerUnits());
      ui::Rect client = ui::GetClientRect(hwnd);
      ui::BrushHandle background = ui::AskParentColors(hwnd, dc, ui::WM_CTLCOLORSTATIC);
      ui::FillRect(dc, client, background);
      ui::Rect text = client.Offset(alignment == ui::SS_RIGHT ? -offset : offset, 0);
      ui::PaintStatic(dc, ui::StaticLook{text, Text(), alignment, ui::IsWindowEnabledItself(hwnd)}, background);
    });
  }
  ui::Size AutoSize() override { return MeasureControlText(*this); }
};

// A string draws its own text in a font turned by its angle.
class TurnedText : public Control {
 public:
  TurnedText(Window& owner, const ControlRecord& record, bool framed)
      : Control(owner, record), framed_(framed) {}
  static constexpr bool kPaints = true;

  ui::LResult Paint() {
    ui::Hwnd hwnd = Handle();
    return ui::PaintControl(hwnd, [this, hwnd](ui::Hdc dc) {
      ui::Rect client = ui::GetClientRect(hwnd);
      ui::BrushHandle background = ui::AskParentColors(hwnd, dc, ui::WM_CTLCOLORSTATIC);
      ui::FillRect(dc, client, background);
      if (framed_) ui::FrameRect(dc, client, ui::GetSysColorBrush(ui::COLOR_WINDOWFRAME));
      ui::SelectFont(dc, TurnedFont());
      ui::SetBkMode(dc, ui::TRANSPARENT);
      ui::Point origin = Origin(client);
      ui::TextOut(dc, origin.x, origin.y, Text());
    });
  }
  void Changed(ControlChange what) override {
    if (what == ControlChange::kFont) turned_ = nullptr;
    Control::Changed(what);
    if (Handle() && (what == ControlChange::kFont || what == ControlChange::kText)) {
      ui::InvalidateRect(Handle(), nullptr, true);
    }
  }
  ui::Size AutoSize() override { return MeasureControlText(*this); }

 private:
  int Angle() const { return Record().angle; }
  const ui::FontHandle& TurnedFont() {
    if (Angle() == 0) return PlatformFont();
    if (!turned_) {
      turned_ = ui::CreateFontIndirect(ui::LogFont{ui::PointsToHeight(Font().points), Font().weight, false,
                                                   Font().face, Angle(), Angle()});
    }
    return turned_;
  }
  // Where the text starts so that it runs inside the box: upward from the bottom left
  // at 900, downward from the top right at 2700, upside down from the bottom right at
  // 1800; from the top left otherwise.
  ui::Point Origin(const ui::Rect& client) const {
    int frame = framed_ ? 2 : 0;
    switch (Angle()) {
      case 900: return {client.left, client.bottom};
      case 1800: return {client.right, client.bottom};
      case 2700: return {client.right, client.top};
      default: return {client.left + frame, client.top + frame};
    }
  }

  bool framed_;
  ui::FontHandle turned_;
};

// Group boxes and check boxes look as the system draws them.
class Plain : public Control {
 public:
  using Control::Control;
  static constexpr bool kPaints = false;
  ui::LResult Paint() { return 0; }
};

// Each class's procedure: the control is attached at WM_CREATE; a kind that paints
// itself answers WM_PAINT and leaves the background to it; the rest goes to the base.
template <typename Kind, ClassIndex index>
ui::LResult KindProc(ui::Hwnd hwnd, uint32_t message, ui::WParam wParam, ui::LParam lParam) {
  static const ControlClassUse& use = UseControlClass(ClassAt(index));  // a map node: stays put
  auto* control = static_cast<Kind*>(ControlOfMessage(use, hwnd, message, lParam));
  bool own = Kind::kPaints && control && control->Handle() == hwnd;
  if (own && message == ui::WM_PAINT) return control->Paint();
  if (own && message == ui::WM_ERASEBKGND) return 1;  // the painting fills the background
  return ui::CallWindowProc(use.base, hwnd, message, wParam, lParam);
}

const ControlClass& ClassAt(ClassIndex index) {
  constexpr uint32_t kRedrawOnResize = ui::CS_HREDRAW | ui::CS_VREDRAW;
  static const ControlClass kClasses[] = {
      {"QorPrompt", ui::kStaticClass, KindProc<Prompt, kPrompt>},
      {"QorString", nullptr, KindProc<TurnedText, kString>, kRedrawOnResize},
      {"QorGroup", "Button", KindProc<Plain, kGroup>},
      {"QorCheck", ui::kButtonClass, KindProc<Plain, kCheck>},
      {"QorList", nullptr, KindProc<TurnedText, kList>, kRedrawOnResize},
      {"QorDrop", nullptr, KindProc<TurnedText, kDrop>, kRedrawOnResize},
  };
  return kClasses[index];
}

template <typename Kind, typename... Extra>
std::unique_ptr<Control> Make(Window& owner, const ControlRecord& record, const ControlClass& kind,
                              uint32_t style, Extra... extra) {
  auto control = std::make_unique<Kind>(owner, record, extra...);
  if (!CreateControlWindow(*control, kind, style)) return nullptr;
  return control;
}

}  // namespace

std::unique_ptr<Control> MakePrompt(Window& owner, const ControlRecord& record) {
  return Make<Prompt>(owner, record, ClassAt(kPrompt), StaticAlignment(record.flags));
}

std::unique_ptr<Control> MakeString(Window& owner, const ControlRecord& record) {
  return Make<TurnedText>(owner, record, ClassAt(kString), 0, false);
}

std::unique_ptr<Control> MakeGroup(Window& owner, const ControlRecord& record) {
  return Make<Plain>(owner, record, ClassAt(kGroup), ui::BS_GROUPBOX);
}

std::unique_ptr<Control> MakeCheck(Window& owner, const ControlRecord& record) {
  return Make<Plain>(owner, record, ClassAt(kCheck), ui::BS_PUSHBUTTON);
}

std::unique_ptr<Control> MakeList(Window& owner, const ControlRecord& record) {
  bool drop = record.type == layout::kTypeDrop || record.dropForm != 0;
  return Make<TurnedText>(owner, record, ClassAt(drop ? kDrop : kList), 0, true);
}

}  // namespace qor::win
