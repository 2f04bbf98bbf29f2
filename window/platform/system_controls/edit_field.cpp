// The steps the parts of the "Edit" procedure share: measuring, scrolling, the caret,
// redrawing and telling the parent, and the clipboard operations.
#include <algorithm>

#include "window/platform/core/caret.h"
#include "window/platform/core/clipboard.h"
#include "window/platform/core/input.h"
#include "window/platform/core/invalidation.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/draw/font.h"
#include "window/platform/system_controls/control_support.h"
#include "window/platform/system_controls/detail/edit_state.h"
#include "window/platform/system_controls/edit_control.h"
#include "window/platform/system_controls/edit_painter.h"
#include "window/platform/system_controls/edit_view.h"

namespace qor::ui::detail {

namespace {

constexpr int kStateOffset = kControlExtraBytes;
constexpr int kBarWidth = 1;

EditAlign AlignOf(Hwnd field) {
  switch (GetWindowStyle(field) & ES_ALIGNMASK) {
    case ES_CENTER:
      return EditAlign::Center;
    case ES_LEFT:
      return EditAlign::Left;
    default:
      return EditAlign::Right;
  }
}

// A bar, or in overwrite mode a block as wide as the character under the caret.
int CaretWidthFor(const EditState& state) {
  if (!state.model.Overwrite()) return kBarWidth;
  size_t at = state.model.Caret();
  if (at >= state.model.Length()) return std::max(kBarWidth, state.averageWidth);
  return std::max(kBarWidth, state.positions.X(at + 1) - state.positions.X(at));
}

void PlaceCaret(Hwnd field, EditState& state) {
  int width = CaretWidthFor(state);
  // Made anew when its shape changes, and when another window has taken the one caret.
  if (width != state.caretWidth || GetCaretInfo().owner != field) {
    CreateCaret(field, width, state.lineHeight);
    state.caretWidth = width;
    ShowCaret(field);
  }
  Rect area = TextAreaOf(field, state);
  SetCaretPos(TextStartInClient(field, state) + state.positions.X(state.model.Caret()),
              EditLineTop(area, state.lineHeight));
}

}  // namespace

Rect TextAreaOf(Hwnd field, const EditState& state) {
  return EditTextArea(GetClientRect(field), state.border, state.margins);
}

EditState* EditStateOf(Hwnd field) { return reinterpret_cast<EditState*>(GetWindowExtra(field, kStateOffset)); }

void AttachEditState(Hwnd field, EditState* state) {
  SetWindowExtra(field, kStateOffset, reinterpret_cast<intptr_t>(state));
}

void Measure(Hwnd field, EditState& state) {
  DeviceContext measuring;
  SelectControlFont(&measuring, field);
  TextMetrics metrics;
  GetTextMetrics(&measuring, &metrics);
  state.lineHeight = metrics.height;
  state.averageWidth = metrics.averageCharWidth;
  state.positions = MeasureLinePositions(&measuring, state.model.Text());
}

int TextStartInClient(Hwnd field, const EditState& state) {
  Rect area = TextAreaOf(field, state);
  int start = TextStartX(state.positions.Width(), CaretWidthFor(state), area.Width(), state.scroll, AlignOf(field));
  return area.left + start;
}

size_t BoundaryAtClientX(Hwnd field, const EditState& state, int x) {
  return state.positions.BoundaryAt(x - TextStartInClient(field, state));
}

size_t CharacterAtClientX(Hwnd field, const EditState& state, int x) {
  return state.positions.CharacterAt(x - TextStartInClient(field, state));
}

void Refresh(Hwnd field, EditState& state, EditChange change, bool jump) {
  if (change == EditChange::Text) Measure(field, state);
  Rect area = TextAreaOf(field, state);
  state.scroll = ScrollToShowCaret(state.scroll, state.positions.X(state.model.Caret()), CaretWidthFor(state),
                                   state.positions.Width(), area.Width(), jump ? area.Width() / 3 : 0);
  if (state.focused) PlaceCaret(field, state);
  InvalidateRect(field, nullptr, false);
  if (change != EditChange::Text) return;
  UpdateWindow(field);
  NotifyParent(field, EN_CHANGE);
}

void ShowFieldCaret(Hwnd field, EditState& state) {
  state.caretWidth = 0;  // made anew
  PlaceCaret(field, state);
}

void DropFieldCaret(Hwnd field, EditState& state) {
  if (state.caretWidth && GetCaretInfo().owner == field) DestroyCaret();
  state.caretWidth = 0;
}

bool ReportLimit(Hwnd field, bool beep) {
  if (beep) MessageBeep(MB_OK);
  NotifyParent(field, EN_MAXTEXT);
  return IsWindow(field);
}

bool IsReadOnly(Hwnd field) { return (GetWindowStyle(field) & ES_READONLY) != 0; }

void CopySelection(const EditState& state) {
  if (state.model.HasSelection()) SetClipboardText(state.model.SelectedText());
}

void CutSelection(Hwnd field, EditState& state) {
  if (IsReadOnly(field) || !state.model.HasSelection()) return;
  CopySelection(state);
  ClearSelection(field, state);
}

void PasteClipboard(Hwnd field, EditState& state) {
  if (IsReadOnly(field)) return;
  EditOutcome outcome = state.model.Paste(GetClipboardText());
  if (outcome.hitLimit && !ReportLimit(field, true)) return;
  if (outcome.changed) Refresh(field, state, EditChange::Text);
}

void ClearSelection(Hwnd field, EditState& state) {
  if (IsReadOnly(field)) return;
  if (state.model.Clear().changed) Refresh(field, state, EditChange::Text);
}

bool UndoEdit(Hwnd field, EditState& state) {
  if (IsReadOnly(field) || !state.model.Undo()) return false;
  Refresh(field, state, EditChange::Text);
  return true;
}

}  // namespace qor::ui::detail
