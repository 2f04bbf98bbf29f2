#pragma once
// Internal to the "Edit" class: what each field keeps beside its model (the measured
// line, the scroll, the drag), and the steps its procedure's parts share.
#include <cstdint>

#include "window/platform/core/types.h"
#include "window/platform/draw/line_positions.h"
#include "window/platform/system_controls/edit_model.h"
#include "window/platform/system_controls/edit_painter.h"

namespace qor::ui::detail {

struct EditState {
  EditModel model;
  LinePositions positions;   // of the model's text in the field's font
  int lineHeight = 0;
  int averageWidth = 0;
  int scroll = 0;            // pixels of the text hidden on the left
  bool border = false;       // WS_BORDER was asked for: a sunken well
  EditMargins margins;       // set by EM_SETMARGINS
  bool focused = false;
  bool dragging = false;     // the left button went down in the field and is held
  int caretWidth = 0;        // of the caret made for the focus (0: none made)
};

// The field's state (null for a window that is no field, or once it is gone).
EditState* EditStateOf(Hwnd field);
void AttachEditState(Hwnd field, EditState* state);

// How the text changed, for Refresh.
enum class EditChange { None, Text };

// After any change: measures the text again if it changed, scrolls the caret into view
// (`jump` pixels beyond what is needed), moves the caret, and redraws; a changed text is
// then announced with EN_CHANGE.
void Refresh(Hwnd field, EditState& state, EditChange change, bool jump = true);
// Measures the text and the font's line again (after WM_SETFONT too).
void Measure(Hwnd field, EditState& state);

// The one text area that painting, the caret, hit-testing and scrolling all use.
Rect TextAreaOf(Hwnd field, const EditState& state);
// Where the text starts and which character boundary a client point lies nearest.
int TextStartInClient(Hwnd field, const EditState& state);
size_t BoundaryAtClientX(Hwnd field, const EditState& state, int x);
size_t CharacterAtClientX(Hwnd field, const EditState& state, int x);

// Tells the parent (and with `beep` the user) that text met the limit. False when the
// parent destroyed the field meanwhile: its state is gone and nothing may touch it.
bool ReportLimit(Hwnd field, bool beep);
bool IsReadOnly(Hwnd field);

// The clipboard operations (WM_COPY, WM_CUT, WM_PASTE, WM_CLEAR, WM_UNDO); a read-only
// field only copies.
void CopySelection(const EditState& state);
void CutSelection(Hwnd field, EditState& state);
void PasteClipboard(Hwnd field, EditState& state);
void ClearSelection(Hwnd field, EditState& state);
bool UndoEdit(Hwnd field, EditState& state);

// The caret for the focus: made (a bar, or a block in overwrite mode), placed, shown.
void ShowFieldCaret(Hwnd field, EditState& state);
void DropFieldCaret(Hwnd field, EditState& state);

// Keys and mouse (edit_input.cpp).
LResult EditKeyDown(Hwnd field, EditState& state, WParam key);
LResult EditCharacter(Hwnd field, EditState& state, WParam character);
LResult EditMouseDown(Hwnd field, EditState& state, WParam flags, LParam position);
LResult EditDoubleClick(Hwnd field, EditState& state, LParam position);
LResult EditMouseMove(Hwnd field, EditState& state, WParam flags, LParam position);
LResult EditMouseUp(Hwnd field, EditState& state);
LResult EditDragTimer(Hwnd field, EditState& state);
void EndDrag(Hwnd field, EditState& state);

}  // namespace qor::ui::detail
