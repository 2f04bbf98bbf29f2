#pragma once
// Laying text out in a rectangle for DrawText, without drawing: where lines break, where
// each line and each stretch between tabs starts, which characters are underlined as
// mnemonics, and how much room the whole text takes. Widths come from a measuring
// function, so the layout can be worked out (and checked) for any font.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "window/platform/core/types.h"

namespace qor::ui {

// Format bits of DrawText, with the numbers stored programs use.
inline constexpr unsigned DT_TOP = 0x0;
inline constexpr unsigned DT_LEFT = 0x0;
inline constexpr unsigned DT_CENTER = 0x1;
inline constexpr unsigned DT_RIGHT = 0x2;
inline constexpr unsigned DT_VCENTER = 0x4;
inline constexpr unsigned DT_BOTTOM = 0x8;
inline constexpr unsigned DT_WORDBREAK = 0x10;
inline constexpr unsigned DT_SINGLELINE = 0x20;
inline constexpr unsigned DT_EXPANDTABS = 0x40;
inline constexpr unsigned DT_NOCLIP = 0x100;
inline constexpr unsigned DT_CALCRECT = 0x400;
inline constexpr unsigned DT_NOPREFIX = 0x800;

// The paragraphs of a text: it breaks at CR, LF and CR LF; a break at the very end starts
// no empty paragraph.
std::vector<std::string_view> SplitParagraphs(std::string_view text);

// Tab stops lie this many average character widths apart.
inline constexpr int kTabStopChars = 8;

struct TextMeasure {
  std::function<int(std::string_view)> width;  // of a run of characters on one line
  int lineHeight = 0;
  int averageCharWidth = 0;
};

// A stretch of a line without tabs, `x` pixels from the line's start.
struct TextPiece {
  int x = 0;
  std::string text;
};

// The mnemonic character's place on its line, for the underline.
struct TextUnderline {
  int x = 0;
  int width = 0;
};

// One line, placed in the box: `x` and `y` from its top left corner.
struct TextLine {
  int x = 0;
  int y = 0;
  int width = 0;
  std::vector<TextPiece> pieces;
  std::vector<TextUnderline> underlines;
};

struct TextLayout {
  std::vector<TextLine> lines;
  Size extent;          // widest line, and the height of all lines
  int drawnBottom = 0;  // from the box's top to the bottom of the last line
};

// Lays `text` out in a box of `box` pixels as DrawText's `format` asks. Without
// DT_SINGLELINE, CR LF, LF and CR each end a line (a break at the very end adds no empty
// line). DT_WORDBREAK breaks a line at the last space that lets it fit; a word too long
// for the box stays whole and sticks out. The spaces at a break belong to neither line.
// DT_VCENTER and DT_BOTTOM place a single line only.
TextLayout LayoutText(std::string_view text, Size box, unsigned format, const TextMeasure& measure);

}  // namespace qor::ui
