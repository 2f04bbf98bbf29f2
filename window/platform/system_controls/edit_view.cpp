#include "window/platform/system_controls/edit_view.h"

#include <algorithm>

namespace qor::ui {

namespace {

bool Fits(int textWidth, int caretWidth, int boxWidth) { return textWidth + caretWidth <= boxWidth; }

}  // namespace

int ScrollToShowCaret(int scroll, int caretX, int caretWidth, int textWidth, int boxWidth, int jump) {
  if (Fits(textWidth, caretWidth, boxWidth)) return 0;
  if (caretX < scroll) {
    scroll = caretX - jump;
  } else if (caretX + caretWidth > scroll + boxWidth) {
    scroll = caretX + caretWidth - boxWidth + jump;
  }
  int furthest = std::max(0, textWidth + caretWidth - boxWidth);
  return std::clamp(scroll, 0, furthest);
}

int TextStartX(int textWidth, int caretWidth, int boxWidth, int scroll, EditAlign align) {
  if (!Fits(textWidth, caretWidth, boxWidth)) return -scroll;
  switch (align) {
    case EditAlign::Center:
      return (boxWidth - textWidth) / 2;
    case EditAlign::Right:
      return boxWidth - textWidth - caretWidth;
    case EditAlign::Left:
      break;
  }
  return 0;
}

}  // namespace qor::ui
