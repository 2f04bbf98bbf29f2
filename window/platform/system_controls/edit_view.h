#pragma once
// Where a single-line field shows its text, worked out without a window or a font: the
// text's start in the field's text area (aligned when it fits, scrolled when it does
// not) and the scrolling that keeps the caret in view.
#include <cstdint>

namespace qor::ui {

enum class EditAlign { Left, Center, Right };

// The scroll (pixels of the text hidden on the left) that shows the caret at `caretX`
// (from the text's start; the caret is `caretWidth` wide) in a box `boxWidth` wide.
// When the caret lies outside, the text moves `jump` pixels further than it must (so
// typing on at an edge does not scroll at every character); the text never scrolls
// further than its end needs, and not at all while it fits.
int ScrollToShowCaret(int scroll, int caretX, int caretWidth, int textWidth, int boxWidth, int jump);
// Where the text starts, from the box's left: aligned while text and caret fit, else
// moved left by the scroll.
int TextStartX(int textWidth, int caretWidth, int boxWidth, int scroll, EditAlign align);

}  // namespace qor::ui
