// The "Edit" class's keys and mouse, mapped onto its model.
#include "window/platform/core/focus.h"
#include "window/platform/core/input.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/timers.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/system_controls/detail/edit_state.h"

namespace qor::ui::detail {

namespace {

constexpr uintptr_t kDragTimer = 1;
constexpr uint32_t kDragScrollInterval = 100;  // milliseconds between steps while dragging past an edge

bool Held(uint32_t key) { return GetKeyState(key) < 0; }

void Moved(Hwnd field, EditState& state) { Refresh(field, state, EditChange::None); }

void Edited(Hwnd field, EditState& state, EditOutcome outcome) {
  if (outcome.hitLimit && !ReportLimit(field, true)) return;
  if (outcome.changed) Refresh(field, state, EditChange::Text);
}

// Backspace and Delete; a read-only field keeps its text.
void Erase(Hwnd field, EditState& state, bool before) {
  if (IsReadOnly(field)) return;
  Edited(field, state, before ? state.model.Backspace() : state.model.Delete());
}

bool ControlShortcut(Hwnd field, EditState& state, WParam key) {
  switch (key) {
    case 'A':
      state.model.SelectAll();
      Moved(field, state);
      return true;
    case 'C':
    case VK_INSERT:
      CopySelection(state);
      return true;
    case 'X':
      CutSelection(field, state);
      return true;
    case 'V':
      PasteClipboard(field, state);
      return true;
    case 'Z':
      UndoEdit(field, state);
      return true;
    default:
      return false;
  }
}

bool Movement(Hwnd field, EditState& state, WParam key, bool shift, bool control) {
  EditModel& model = state.model;
  switch (key) {
    case VK_LEFT:
      control ? model.WordLeft(shift) : model.MoveLeft(shift);
      break;
    case VK_RIGHT:
      control ? model.WordRight(shift) : model.MoveRight(shift);
      break;
    case VK_HOME:
      model.MoveHome(shift);
      break;
    case VK_END:
      model.MoveEnd(shift);
      break;
    default:
      return false;
  }
  Moved(field, state);
  return true;
}

int ClientX(LParam position) { return UnpackPoint(position).x; }

}  // namespace

LResult EditKeyDown(Hwnd field, EditState& state, WParam key) {
  bool shift = Held(VK_SHIFT);
  bool control = Held(VK_CONTROL);
  if (control && !shift && ControlShortcut(field, state, key)) return 0;
  if (Movement(field, state, key, shift, control)) return 0;
  switch (key) {
    case VK_BACK:
      Erase(field, state, true);
      break;
    case VK_DELETE:
      shift ? CutSelection(field, state) : Erase(field, state, false);
      break;
    case VK_INSERT:
      if (shift) {
        PasteClipboard(field, state);
      } else if (!control) {
        state.model.SetOverwrite(!state.model.Overwrite());
        Moved(field, state);
      }
      break;
    default:
      break;
  }
  return 0;
}

LResult EditCharacter(Hwnd field, EditState& state, WParam character) {
  auto c = static_cast<char>(character);
  if (character < 0x20 || character == 0x7F || character > 0xFF || Held(VK_CONTROL)) return 0;
  if (IsReadOnly(field)) {
    MessageBeep(MB_OK);
    return 0;
  }
  Edited(field, state, state.model.Type(c));
  return 0;
}

LResult EditMouseDown(Hwnd field, EditState& state, WParam flags, LParam position) {
  if (GetFocus() != field) SetFocus(field);
  if (GetFocus() != field) return 0;  // refused (a disabled field, a parent that moved it)
  state.model.MoveTo(BoundaryAtClientX(field, state, ClientX(position)), (flags & MK_SHIFT) != 0);
  state.dragging = true;
  SetCapture(field);
  SetTimer(field, kDragTimer, kDragScrollInterval);
  Moved(field, state);
  return 0;
}

LResult EditDoubleClick(Hwnd field, EditState& state, LParam position) {
  state.model.SelectWordAt(CharacterAtClientX(field, state, ClientX(position)));
  Moved(field, state);
  return 0;
}

LResult EditMouseMove(Hwnd field, EditState& state, WParam flags, LParam position) {
  if (!state.dragging || !(flags & MK_LBUTTON)) return 0;
  size_t at = BoundaryAtClientX(field, state, ClientX(position));
  if (at == state.model.Caret()) return 0;
  state.model.MoveTo(at, true);
  Refresh(field, state, EditChange::None, false);
  return 0;
}

LResult EditMouseUp(Hwnd field, EditState& state) {
  if (state.dragging) EndDrag(field, state);
  return 0;
}

// While the button is held with the pointer left or right of the text area, the selection
// goes on growing a character at a time, scrolling the text.
LResult EditDragTimer(Hwnd field, EditState& state) {
  if (!state.dragging) return 0;
  int x = ScreenToClient(field, GetCursorPos()).x;
  Rect area = TextAreaOf(field, state);
  if (x >= area.left && x < area.right) return 0;
  x < area.left ? state.model.MoveLeft(true) : state.model.MoveRight(true);
  Refresh(field, state, EditChange::None, false);
  return 0;
}

void EndDrag(Hwnd field, EditState& state) {
  state.dragging = false;
  KillTimer(field, kDragTimer);
  if (GetCapture() == field) ReleaseCapture();
}

}  // namespace qor::ui::detail
