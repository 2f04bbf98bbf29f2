#include "window/platform/system_controls/edit_control.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "window/platform/core/focus.h"
#include "window/platform/core/invalidation.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/resources/cursor.h"
#include "window/platform/system_controls/control_support.h"
#include "window/platform/system_controls/detail/edit_state.h"
#include "window/platform/system_controls/edit_painter.h"

namespace qor::ui {

using detail::EditChange;
using detail::EditState;

namespace {

LResult OnCreate(Hwnd field, LParam lParam) {
  auto* state = new EditState;
  detail::AttachEditState(field, state);
  uint32_t style = GetWindowStyle(field);
  if (style & WS_BORDER) {
    // The field draws its own sunken well inside its window.
    state->border = true;
    SetWindowStyle(field, style & ~WS_BORDER);
  }
  const auto* params = reinterpret_cast<const CreateParams*>(lParam);
  state->model.SetText(params ? params->title : std::string());
  detail::Measure(field, *state);
  return 0;
}

// Positions in a message: -1 (or any value beyond the text) means its end.
size_t PositionParam(uintptr_t value, size_t length) {
  auto signedValue = static_cast<intptr_t>(value);
  if (signedValue < 0) return length;
  return std::min(static_cast<size_t>(value), length);
}

LResult OnGetSelection(const EditState& state, WParam startOut, LParam endOut) {
  auto start = static_cast<uint32_t>(state.model.SelectionStart());
  auto end = static_cast<uint32_t>(state.model.SelectionEnd());
  if (startOut) *reinterpret_cast<uint32_t*>(startOut) = start;
  if (endOut) *reinterpret_cast<uint32_t*>(endOut) = end;
  return static_cast<LResult>(PackWords(std::min<uint32_t>(start, 0xFFFF), std::min<uint32_t>(end, 0xFFFF)));
}

// A start of -1 removes the selection and leaves the caret; otherwise the caret goes to
// the end given.
LResult OnSetSelection(Hwnd field, EditState& state, WParam start, LParam end) {
  size_t length = state.model.Length();
  if (static_cast<intptr_t>(start) == -1) {
    state.model.MoveTo(state.model.Caret(), false);
  } else {
    state.model.Select(PositionParam(start, length), PositionParam(static_cast<uintptr_t>(end), length));
  }
  detail::Refresh(field, state, EditChange::None);
  return 0;
}

LResult OnReplaceSelection(Hwnd field, EditState& state, WParam undoable, LParam text) {
  EditOutcome outcome = state.model.Paste(text ? reinterpret_cast<const char*>(text) : "");
  if (!undoable) state.model.ForgetUndo();
  if (outcome.hitLimit && !detail::ReportLimit(field, false)) return 0;
  if (outcome.changed) detail::Refresh(field, state, EditChange::Text);
  return 0;
}

LResult OnSetText(Hwnd field, EditState& state, std::string_view text) {
  state.model.SetText(text);
  state.scroll = 0;
  detail::Refresh(field, state, EditChange::Text);
  return 1;
}

LResult OnGetText(const EditState& state, WParam size, LParam buffer) {
  auto* out = reinterpret_cast<char*>(buffer);
  if (!out || size == 0) return 0;
  size_t count = std::min(state.model.Length(), static_cast<size_t>(size) - 1);
  std::memcpy(out, state.model.Text().data(), count);
  out[count] = '\0';
  return static_cast<LResult>(count);
}

LResult OnFocus(Hwnd field, EditState& state, bool gained) {
  state.focused = gained;
  if (gained) {
    detail::ShowFieldCaret(field, state);
  } else {
    if (state.dragging) detail::EndDrag(field, state);
    detail::DropFieldCaret(field, state);
  }
  InvalidateRect(field, nullptr, false);
  NotifyParent(field, gained ? EN_SETFOCUS : EN_KILLFOCUS);
  return 0;
}

LResult OnSetReadOnly(Hwnd field, WParam readOnly) {
  uint32_t style = GetWindowStyle(field);
  SetWindowStyle(field, readOnly ? style | ES_READONLY : style & ~ES_READONLY);
  InvalidateRect(field, nullptr, false);
  return 1;
}

LResult OnPositionOfCharacter(Hwnd field, const EditState& state, WParam index) {
  if (index > state.model.Length()) return -1;
  Rect area = detail::TextAreaOf(field, state);
  int x = detail::TextStartInClient(field, state) + state.positions.X(index);
  return PackPoint(x, EditLineTop(area, state.lineHeight));
}

LResult OnSetMargins(Hwnd field, EditState& state, WParam which, LParam margins) {
  auto packed = static_cast<uint32_t>(margins);
  if (which & EC_LEFTMARGIN) state.margins.left = static_cast<int>(packed & 0xFFFF);
  if (which & EC_RIGHTMARGIN) state.margins.right = static_cast<int>(packed >> 16);
  detail::Refresh(field, state, EditChange::None, false);
  return 0;
}

LResult OnGetMargins(const EditState& state) {
  return static_cast<LResult>(
      PackWords(static_cast<uint32_t>(state.margins.left), static_cast<uint32_t>(state.margins.right)));
}

// Read-only and disabled fields are coloured as static text is, as the old system did.
uint32_t ColorMessage(Hwnd field) {
  return (IsWindowEnabled(field) && !detail::IsReadOnly(field)) ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
}

LResult OnPaint(Hwnd field, const EditState& state) {
  return PaintControl(field, [&](Hdc dc) {
    const EditModel& model = state.model;
    EditLook look;
    look.rect = GetClientRect(field);
    look.border = state.border;
    look.text = model.Text();
    look.positions = &state.positions;
    look.margins = state.margins;
    look.textX = detail::TextStartInClient(field, state) - detail::TextAreaOf(field, state).left;
    if (state.focused || (GetWindowStyle(field) & ES_NOHIDESEL)) {
      look.selectionStart = model.SelectionStart();
      look.selectionEnd = model.SelectionEnd();
    }
    look.enabled = IsWindowEnabled(field);
    look.background = AskParentColors(field, dc, ColorMessage(field));
    PaintEdit(dc, look);
  });
}

LResult OnFont(Hwnd field, EditState& state, WParam font, LParam redraw) {
  SetControlFont(field, font, 0);
  detail::Measure(field, state);
  if (state.focused) detail::ShowFieldCaret(field, state);
  detail::Refresh(field, state, EditChange::None);
  if (redraw) UpdateWindow(field);
  return 0;
}

LResult EditMessage(Hwnd field, EditState& state, uint32_t message, WParam wParam, LParam lParam) {
  EditModel& model = state.model;
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_KEYDOWN:
      return detail::EditKeyDown(field, state, wParam);
    case WM_CHAR:
      return detail::EditCharacter(field, state, wParam);
    case WM_LBUTTONDOWN:
      return detail::EditMouseDown(field, state, wParam, lParam);
    case WM_LBUTTONDBLCLK:
      return detail::EditDoubleClick(field, state, lParam);
    case WM_MOUSEMOVE:
      return detail::EditMouseMove(field, state, wParam, lParam);
    case WM_LBUTTONUP:
      return detail::EditMouseUp(field, state);
    case WM_CAPTURECHANGED:
      if (state.dragging && Hwnd::FromParam(static_cast<uintptr_t>(lParam)) != field) detail::EndDrag(field, state);
      return 0;
    case WM_TIMER:
      return detail::EditDragTimer(field, state);
    case WM_SETFOCUS:
      return OnFocus(field, state, true);
    case WM_KILLFOCUS:
      return OnFocus(field, state, false);
    case WM_SETTEXT:
      return OnSetText(field, state, lParam ? reinterpret_cast<const char*>(lParam) : "");
    case EM_SETTEXTCOUNTED:
      if (!lParam) return OnSetText(field, state, {});
      return OnSetText(field, state, std::string_view(reinterpret_cast<const char*>(lParam), wParam));
    case WM_GETTEXT:
      return OnGetText(state, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LResult>(model.Length());
    case EM_GETSEL:
      return OnGetSelection(state, wParam, lParam);
    case EM_SETSEL:
      return OnSetSelection(field, state, wParam, lParam);
    case EM_REPLACESEL:
      return OnReplaceSelection(field, state, wParam, lParam);
    case EM_LIMITTEXT:
      model.SetLimit(wParam);
      return 0;
    case EM_GETLIMITTEXT:
      return static_cast<LResult>(model.Limit());
    case EM_GETMODIFY:
      return model.Modified() ? 1 : 0;
    case EM_SETMODIFY:
      model.SetModified(wParam != 0);
      return 0;
    case EM_CANUNDO:
      return model.CanUndo() ? 1 : 0;
    case EM_UNDO:
    case WM_UNDO:
      return detail::UndoEdit(field, state) ? 1 : 0;
    case EM_EMPTYUNDOBUFFER:
      model.ForgetUndo();
      return 0;
    case EM_SETREADONLY:
      return OnSetReadOnly(field, wParam);
    case EM_SETMARGINS:
      return OnSetMargins(field, state, wParam, lParam);
    case EM_GETMARGINS:
      return OnGetMargins(state);
    case EM_POSFROMCHAR:
      return OnPositionOfCharacter(field, state, wParam);
    case EM_CHARFROMPOS:
      return static_cast<LResult>(detail::BoundaryAtClientX(field, state, UnpackPoint(lParam).x));
    case WM_COPY:
      detail::CopySelection(state);
      return 0;
    case WM_CUT:
      detail::CutSelection(field, state);
      return 0;
    case WM_PASTE:
      detail::PasteClipboard(field, state);
      return 0;
    case WM_CLEAR:
      detail::ClearSelection(field, state);
      return 0;
    case WM_SETFONT:
      return OnFont(field, state, wParam, lParam);
    case WM_SIZE:
      detail::Refresh(field, state, EditChange::None);
      return 0;
    case WM_ENABLE:
      InvalidateRect(field, nullptr, false);
      return 0;
    case WM_PAINT:
      return OnPaint(field, state);
    default:
      if (auto answer = CommonControlMessage(field, message, wParam, lParam)) return *answer;
      return DefWindowProc(field, message, wParam, lParam);
  }
}

}  // namespace

LResult EditProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  if (message == WM_CREATE) return OnCreate(hwnd, lParam);
  EditState* state = detail::EditStateOf(hwnd);
  if (!state) return DefWindowProc(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    detail::AttachEditState(hwnd, nullptr);
    delete state;
    return DefWindowProc(hwnd, message, wParam, lParam);
  }
  return EditMessage(hwnd, *state, message, wParam, lParam);
}

WindowClass EditClassDescription() {
  WindowClass description =
      ControlClassDescription(kEditClass, EditProc, CS_DBLCLKS);
  description.extraBytes = kControlExtraBytes + static_cast<int>(sizeof(intptr_t));
  description.cursor = LoadCursor(nullptr, IDC_IBEAM);
  return description;
}

}  // namespace qor::ui
