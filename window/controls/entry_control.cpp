// The entry kind over the QorEdit field.
#include "window/controls/entry_control.h"

#include <algorithm>
#include <cstring>

#include "runtime/values/variable_reference.h"
#include "window/controls/control_events.h"
#include "window/controls/control_window.h"
#include "window/controls/field_values/field_text.h"
#include "window/controls/qor_edit_class.h"
#include "window/controls/field_values/variable_text.h"
#include "window/detail/window_object.h"
#include "window/events/event_codes.h"
#include "window/events/queue_event.h"
#include "window/events/runtime_messages.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/dialogs/dialog_units.h"
#include "window/platform/system_controls/edit_control.h"
#include "window/properties/property_numbers.h"

namespace qor::win {
namespace {

constexpr uint32_t kPrivateLength = 255;

uint32_t AlignmentStyle(uint32_t flags) {
  switch (JustificationOf(flags)) {
    case Justification::kRight: return ui::ES_RIGHT;
    case Justification::kCentred: return ui::ES_CENTER;
    default: return ui::ES_LEFT;
  }
}

// The justification offset as the field's margins, in pixels: left text gets it on the
// left (moved right), right and decimal text on the right (moved left), and centred text
// twice on the left, so its middle moves right by the offset as a centred prompt's does.
// A margin is never negative: an offset below 0 leaves the text at its edge.
ui::LParam OffsetMargins(Justification justification, int offsetPixels) {
  auto margin = static_cast<unsigned>(std::clamp(offsetPixels, 0, 0x7FFF));
  switch (justification) {
    case Justification::kRight: return ui::PackWords(0, margin);
    case Justification::kCentred: return ui::PackWords(2 * margin, 0);
    default: return ui::PackWords(margin, 0);
  }
}

// The most a user may type: the picture's width (a string picture's, so a text variable
// takes what fits), else the private string's length.
uint32_t TypingLimit(const rt::CompiledPicture& picture) {
  return picture.IsValid() ? static_cast<uint32_t>(picture.Width()) : kPrivateLength;
}

}  // namespace

EntryControl::EntryControl(Window& owner, const ControlRecord& record)
    : Control(owner, record), pictureText_(record.picture), picture_(rt::CompilePicture(pictureText_)) {}

EntryControl::~EntryControl() {
  if (Handle() && ui::IsWindow(Handle())) {
    DetachEntry(Handle());
    ui::DestroyWindow(Handle());
  }
}

uint32_t EntryControl::FieldStyle() const {
  uint32_t style = AlignmentStyle(Flags());
  if (!(Flags() & prop::kFlagNoBorder)) style |= ui::WS_BORDER;
  return style;
}

bool EntryControl::CreateField() {
  if (!CreateControlWindow(*this, QorEditClass(), FieldStyle())) return false;
  ui::SendMessage(Handle(), ui::EM_LIMITTEXT, TypingLimit(picture_), 0);
  ApplyJustifyOffset();
  return true;
}

void EntryControl::ApplyJustifyOffset() {
  int pixels = ui::DialogUnitsToPixelsX(JustifyOffset(), OwnerUnits());
  ui::SendMessage(Handle(), ui::EM_SETMARGINS, ui::EC_LEFTMARGIN | ui::EC_RIGHTMARGIN,
                  OffsetMargins(JustificationOf(Flags()), pixels));
}

bool EntryControl::Recreate() {
  ui::Hwnd old = Handle();
  if (!old || !ui::IsWindow(old)) return false;
  std::string text = FieldText();
  bool modified = Modified();
  bool focused = ui::GetFocus() == old;
  uint32_t start = 0, end = 0;
  ui::SendMessage(old, ui::EM_GETSEL, reinterpret_cast<ui::WParam>(&start), reinterpret_cast<ui::LParam>(&end));
  ui::Rect at = ui::GetWindowPlacement(old);
  SetToolAdded(false);
  if (!CreateField()) {
    SetHandle(old);
    return false;
  }
  ui::SetWindowPos(Handle(), old, at.left, at.top, at.right - at.left, at.bottom - at.top, ui::SWP_NOACTIVATE);
  DetachEntry(old);
  ui::DestroyWindow(old);
  ui::SendMessage(Handle(), ui::EM_SETTEXTCOUNTED, text.size(), reinterpret_cast<ui::LParam>(text.data()));
  ui::SendMessage(Handle(), ui::EM_SETMODIFY, modified ? 1 : 0, 0);
  ui::SendMessage(Handle(), ui::EM_SETSEL, start, end);
  if (focused) ui::SetFocus(Handle());
  return true;
}

void EntryControl::Changed(ControlChange what) {
  if (!Handle()) return;
  switch (what) {
    case ControlChange::kText:
      if (!followingField_) SetFieldText(Text());
      return;
    case ControlChange::kJustification: {
      uint32_t style = ui::GetWindowStyle(Handle()) & ~ui::ES_ALIGNMASK;
      ui::SetWindowStyle(Handle(), style | AlignmentStyle(Flags()));
      ApplyJustifyOffset();
      break;
    }
    default: break;
  }
  Control::Changed(what);
}

// The control's text follows each change of the field's.
void EntryControl::Command(uint32_t notification) {
  if (notification != ui::EN_CHANGE) return;
  followingField_ = true;
  SetText(FieldText());
  followingField_ = false;
}

EntryControl::Variable EntryControl::Shown() const {
  if (HasUse() && UseAddress() && UseType() != 0) return {UseAddress(), UseType(), UseSize()};
  if (!privateText_) {
    auto& text = const_cast<std::unique_ptr<char[]>&>(privateText_);
    text = std::make_unique<char[]>(kPrivateLength);
    std::memset(text.get(), ' ', kPrivateLength);
  }
  return {privateText_.get(), rt::kTypeString, kPrivateLength};
}

AcceptTarget EntryControl::Target() const {
  Variable shown = Shown();
  AcceptTarget target;
  target.typeCode = shown.typeCode;
  target.size = shown.size;
  return target;
}

void EntryControl::Display() {
  if (!Handle()) return;
  if (Modified() && !VariableChanged()) return;  // a refused text stays until the variable changes
  Variable shown = Shown();
  std::string text = FieldTextOf(picture_, shown.address, shown.typeCode, shown.size);
  ui::SendMessage(Handle(), ui::EM_SETTEXTCOUNTED, text.size(), reinterpret_cast<ui::LParam>(text.data()));
}

std::string EntryControl::FieldText() const { return Handle() ? ui::GetWindowText(Handle()) : std::string(); }

void EntryControl::SetFieldText(std::string_view text) {
  if (!Handle()) return;
  ui::SendMessage(Handle(), ui::EM_SETTEXTCOUNTED, text.size(), reinterpret_cast<ui::LParam>(text.data()));
  ui::SendMessage(Handle(), ui::EM_SETMODIFY, 1, 0);
}

bool EntryControl::Modified() const { return Handle() && ui::SendMessage(Handle(), ui::EM_GETMODIFY, 0, 0) != 0; }

void EntryControl::StoreValue(std::string_view value) {
  Variable shown = Shown();
  ui::SendMessage(Handle(), ui::EM_SETMODIFY, 0, 0);
  StoreVariableText(shown.address, shown.typeCode, shown.size, value);
  Redisplay();
}

EntryOutcome EntryControl::StoreIfValid() {
  if (!Modified()) return {};
  AcceptResult result = CheckTypedText(picture_, FieldText(), Target());
  if (!result.accepted) return {EntryOutcome::kRefused, result.badPosition};
  StoreValue(result.value);
  return {EntryOutcome::kStored, 0};
}

void EntryControl::StoreEdit() { StoreIfValid(); }

bool EntryControl::ContentsValid() {
  return !Modified() || CheckTypedText(picture_, FieldText(), Target()).accepted;
}

bool EntryControl::AcceptInPlace() {
  EntryOutcome outcome = StoreIfValid();
  if (outcome.kind == EntryOutcome::kUnmodified) return true;
  if (outcome.kind == EntryOutcome::kRefused) {
    // The event counts positions from 1, as the language does (0: none).
    if (Number() != 0) QueueEvent(Owner(), event::Rejected, Number(), static_cast<uint32_t>(outcome.badPosition + 1));
    return false;
  }
  PostControlEvent(*this, event::Accepted);
  if (reportsCompletion_) ui::SendMessage(OwnerHandle(), QUERY_EDITDONE, static_cast<ui::WParam>(Number()), 0);
  return true;
}

// Positions as the language counts them, from 1; 0 and 0 select the whole text.
void EntryControl::SetSelection(int32_t first, int32_t last) {
  if (!Handle()) return;
  if (first <= 0) {
    ui::SendMessage(Handle(), ui::EM_SETSEL, 0, static_cast<ui::LParam>(-1));
    return;
  }
  int32_t end = last >= first ? last : first - 1;
  ui::SendMessage(Handle(), ui::EM_SETSEL, static_cast<ui::WParam>(first - 1), static_cast<ui::LParam>(end));
}

std::optional<ui::LResult> EntryControl::Message(uint32_t message, ui::WParam wParam, ui::LParam lParam) {
  switch (message) {
    case ui::WM_SETFOCUS: {
      ui::LResult result = CallEditCore(Handle(), message, wParam, lParam);
      ReportFocusGained(*this);
      return result;
    }
    case ui::WM_KILLFOCUS: {
      ui::LResult result = CallEditCore(Handle(), message, wParam, lParam);
      AcceptInPlace();
      return result;
    }
    default: return std::nullopt;
  }
}

std::unique_ptr<Control> MakeEntryControl(Window& owner, const ControlRecord& record) {
  auto entry = std::make_unique<EntryControl>(owner, record);
  return entry->CreateField() ? std::move(entry) : nullptr;
}

}  // namespace qor::win
