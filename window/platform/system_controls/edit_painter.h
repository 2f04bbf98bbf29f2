#pragma once
// How a single-line field looks, apart from how it behaves: the sunken well (when it has
// a border), the background in the colours its parent chose, the text at its place in
// the text area (clipped to it), and the selection in the highlight colours.
#include <cstddef>
#include <string_view>

#include "window/platform/draw/brush.h"
#include "window/platform/draw/device_context.h"
#include "window/platform/draw/line_positions.h"

namespace qor::ui {

// Blank space kept inside the text area's ends, in pixels (EM_SETMARGINS).
struct EditMargins {
  int left = 0;
  int right = 0;
};

struct EditLook {
  Rect rect;                 // client area
  bool border = false;
  EditMargins margins;
  std::string_view text;
  const LinePositions* positions = nullptr;  // of `text` in the context's font
  int textX = 0;             // where the text starts in the text area (negative when scrolled)
  size_t selectionStart = 0;  // the selection shown; equal ends show none
  size_t selectionEnd = 0;
  bool enabled = true;
  BrushHandle background = kNullBrush;  // what the parent answered; the text colour is the context's
};

// The part of the client area the text is shown in: inside the well, a pixel and the
// field's margins. Margins wider than the field leave an empty area at the left margin's
// end (never a reversed one).
Rect EditTextArea(const Rect& client, bool border, EditMargins margins);
// The top of the text's line in the text area (the line is centred in it).
int EditLineTop(const Rect& textArea, int lineHeight);
void PaintEdit(Hdc dc, const EditLook& look);

}  // namespace qor::ui
