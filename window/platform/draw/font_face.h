#pragma once
// A loaded font: one installed face at one pixel size, weight, slant and angle, with the
// glyphs it has rendered kept for measuring and drawing again. A weight of 600 or more on
// a face that is not bold is emboldened; italic on a face that is not italic is slanted.
// A non-zero escapement turns the whole text (and each glyph with it) about the top left
// of its unturned cell, counter-clockwise in tenths of a degree.
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "window/platform/draw/font.h"
#include "window/platform/draw/font_match.h"

struct FT_FaceRec_;

namespace qor::ui {

// The direction text runs in on the canvas (y downwards), and the direction of "down" in
// the text: exact for multiples of 90 degrees.
struct TextDirection {
  double alongX = 1, alongY = 0;
  double downX = 0, downY = 1;
  static TextDirection ForEscapement(int tenths);
  // The canvas point `along` pixels along the text and `down` pixels down from `origin`.
  Point At(Point origin, double along, double down) const;
};

// Fonts are always owned by a FontHandle, so a holder given a plain Font* (WM_SETFONT)
// can share it with shared_from_this.
class Font : public std::enable_shared_from_this<Font> {
 public:
  ~Font();

  bool Load(const FontFile& file, const LogFont& description);

  const std::string& Family() const { return family_; }
  const TextMetrics& Metrics() const { return metrics_; }
  const UnderlineStroke& Underline() const { return underline_; }
  const TextDirection& Direction() const { return direction_; }
  bool Turned() const { return turned_; }
  bool Emboldened() const { return emboldenStrength_ != 0; }
  bool Slanted() const { return slanted_; }

  // The advance of the text along its own line, turned or not.
  int Width(std::string_view text);
  // The advance of each prefix of the text: `extents[i]` is the width of its first i + 1
  // characters.
  void Extents(std::string_view text, std::vector<int>& extents);
  // Blends the text in the context's text colour with its unturned cell's top left at
  // `cell` (context coordinates).
  void Draw(Hdc dc, Point cell, std::string_view text);

 private:
  // A rendered glyph: coverage rows of `width` bytes, placed `left` right of the pen and
  // `top` above it on the canvas; `advance` along the line, in whole pixels.
  struct Glyph {
    int width = 0;
    int rows = 0;
    int left = 0;
    int top = 0;
    int advance = 0;
    std::vector<uint8_t> coverage;
  };

  const Glyph& GlyphFor(char32_t character);
  void SetShape(const LogFont& description);
  static void BlendGlyph(Hdc dc, const Glyph& glyph, int left, int top);

  FT_FaceRec_* face_ = nullptr;
  std::mutex mutex_;
  std::unordered_map<char32_t, Glyph> glyphs_;
  std::string family_;
  TextMetrics metrics_;
  UnderlineStroke underline_;
  TextDirection direction_;
  bool turned_ = false;
  bool slanted_ = false;
  long emboldenStrength_ = 0;  // 26.6 pixels
};

}  // namespace qor::ui
