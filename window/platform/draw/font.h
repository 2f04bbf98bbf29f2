#pragma once
// Fonts: an installed face at a pixel size, rendered antialiased. Texts are bytes of code
// page 1252. Heights follow the old convention: negative is the character (em) height in
// pixels, positive the cell height (ascent + descent), 0 a default.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "window/platform/draw/device_context.h"

namespace qor::ui {

inline constexpr int FW_THIN = 100;
inline constexpr int FW_LIGHT = 300;
inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_MEDIUM = 500;
inline constexpr int FW_SEMIBOLD = 600;
inline constexpr int FW_BOLD = 700;
inline constexpr int FW_HEAVY = 900;

// A font asked for. `height` in pixels (see above; 0: 10 points at the logical
// resolution). `weight` 100 to 900: a bold face from 600 (emboldened if there is none).
// `escapement`: the angle text runs at, tenths of a degree counter-clockwise (900 reads
// from bottom to top). `orientation` is kept but glyphs always turn with the text.
struct LogFont {
  int height = 0;
  int weight = FW_NORMAL;
  bool italic = false;
  std::string face;
  int escapement = 0;
  int orientation = 0;
};

struct TextMetrics {
  int height = 0;
  int ascent = 0;
  int descent = 0;
  int averageCharWidth = 0;
};

// Where an underline goes in a text cell: `top` rows below the cell's top, `thickness`
// rows thick (the font's own underline, at least one row).
struct UnderlineStroke {
  int top = 0;
  int thickness = 1;
};

class Font;
using FontHandle = std::shared_ptr<Font>;

// Heights beyond this either way are refused (their glyphs would not fit in memory).
inline constexpr int kLargestFontHeight = 4096;

// Null if no font is installed at all, the file cannot be loaded, or the height is
// beyond kLargestFontHeight. Equal descriptions give the same font while one is held.
FontHandle CreateFontIndirect(const LogFont& description);
// The family the face was matched to ("Liberation Sans" for "Arial").
std::string FontFamily(const FontHandle& font);

// The font a context draws text with (none selected: a default); returns the one before.
FontHandle SelectFont(Hdc dc, FontHandle font);
bool GetTextMetrics(Hdc dc, TextMetrics* metrics);
bool GetUnderlineStroke(Hdc dc, UnderlineStroke* stroke);
// Width and height of a single line of text, without drawing it.
bool GetTextExtentPoint32(Hdc dc, std::string_view text, Size* size);
// The widths of the line's first 1, 2, ... n characters (as drawn), in one pass; for
// caret positions and clicks within a line (line_positions.h).
bool GetTextExtentExPoint(Hdc dc, std::string_view text, std::vector<int>* extents);
// Draws a single line with its cell's top left at (x, y) in the text colour; with OPAQUE
// background mode the cell is filled with the background colour first. With a font that
// has an escapement, the line and its cell turn about (x, y): at 900 the text goes up
// from (x, y) and the cell lies to the right of that line.
bool TextOut(Hdc dc, int x, int y, std::string_view text);

}  // namespace qor::ui
