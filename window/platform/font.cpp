#include "window/platform/font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "window/platform/drawing.h"
#include "window/platform/font_match.h"

namespace qor::ui {

namespace {

constexpr int kDefaultHeight = -13;  // 10 points at 96 pixels per inch

// Characters 0x80 to 0x9F of code page 1252; the rest are their own code points (the
// five unassigned ones are shown as their byte).
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178,
};

char32_t FromCp1252(unsigned char byte) { return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : byte; }

int RoundUp(FT_Pos value26_6) { return static_cast<int>((value26_6 + 63) >> 6); }

FT_Library Library() {
  static FT_Library library = [] {
    FT_Library made = nullptr;
    return FT_Init_FreeType(&made) == 0 ? made : nullptr;
  }();
  return library;
}

std::mutex& LibraryMutex() {
  static std::mutex mutex;
  return mutex;
}

uint8_t Blend(uint32_t from, uint32_t to, unsigned coverage) {
  return static_cast<uint8_t>((from * (255 - coverage) + to * coverage + 127) / 255);
}

Pixel Mix(Pixel under, ColorRef color, unsigned coverage) {
  return 0xFF000000u | (Pixel{Blend((under >> 16) & 0xFF, GetRValue(color), coverage)} << 16) |
         (Pixel{Blend((under >> 8) & 0xFF, GetGValue(color), coverage)} << 8) |
         Blend(under & 0xFF, GetBValue(color), coverage);
}

// The face's underline (its centre given below the baseline) in whole rows of the cell.
UnderlineStroke UnderlineOf(FT_Face face, const TextMetrics& metrics) {
  if (!FT_IS_SCALABLE(face)) return {metrics.ascent + 1, 1};
  double scale = face->size->metrics.y_scale / 65536.0 / 64.0;
  int thickness = std::max(1, static_cast<int>(std::lround(face->underline_thickness * scale)));
  double centre = -face->underline_position * scale;
  int top = metrics.ascent + std::max(0, static_cast<int>(std::lround(centre - thickness / 2.0)));
  return {std::min(top, metrics.height - thickness), thickness};
}

}  // namespace

class Font {
 public:
  ~Font() {
    std::lock_guard lock(LibraryMutex());
    if (face_) FT_Done_Face(face_);
  }

  bool Load(const FontFile& file, const LogFont& description) {
    std::lock_guard lock(LibraryMutex());
    if (!Library() || FT_New_Face(Library(), file.path.c_str(), 0, &face_) != 0) return false;
    family_ = file.family;
    int height = description.height ? description.height : kDefaultHeight;
    FT_UInt pixels = static_cast<FT_UInt>(std::abs(height));
    if (height > 0 && face_->ascender - face_->descender > 0) {
      pixels = static_cast<FT_UInt>(std::lround(double(height) * face_->units_per_EM /
                                                (face_->ascender - face_->descender)));
    }
    if (FT_Set_Pixel_Sizes(face_, 0, std::max(pixels, 1u)) != 0) return false;
    metrics_.ascent = RoundUp(face_->size->metrics.ascender);
    metrics_.descent = RoundUp(-face_->size->metrics.descender);
    metrics_.height = metrics_.ascent + metrics_.descent;
    metrics_.averageCharWidth = GlyphFor('x').advance;
    underline_ = UnderlineOf(face_, metrics_);
    return true;
  }

  const std::string& Family() const { return family_; }
  const TextMetrics& Metrics() const { return metrics_; }
  const UnderlineStroke& Underline() const { return underline_; }

  int Width(std::string_view text) {
    std::lock_guard lock(mutex_);
    int width = 0;
    for (unsigned char c : text) width += GlyphFor(FromCp1252(c)).advance;
    return width;
  }

  // Blends each glyph's coverage into the canvas at the pen, baseline at `baseline`.
  void Draw(Hdc dc, int x, int baseline, std::string_view text) {
    std::lock_guard lock(mutex_);
    int pen = x;
    for (unsigned char c : text) {
      const Glyph& glyph = GlyphFor(FromCp1252(c));
      BlendGlyph(dc, glyph, pen + glyph.left, baseline - glyph.top);
      pen += glyph.advance;
    }
  }

 private:
  // A rendered glyph, kept: coverage rows of `width` bytes, placed `left` right of the
  // pen and `top` above the baseline.
  struct Glyph {
    int width = 0;
    int rows = 0;
    int left = 0;
    int top = 0;
    int advance = 0;
    std::vector<uint8_t> coverage;
  };

  const Glyph& GlyphFor(char32_t character) {
    auto found = glyphs_.find(character);
    if (found != glyphs_.end()) return found->second;
    Glyph& glyph = glyphs_[character];
    if (FT_Load_Char(face_, character, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) return glyph;
    FT_GlyphSlot slot = face_->glyph;
    glyph.width = static_cast<int>(slot->bitmap.width);
    glyph.rows = static_cast<int>(slot->bitmap.rows);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advance = RoundUp(slot->advance.x);
    for (int row = 0; row < glyph.rows; ++row) {
      const unsigned char* line = slot->bitmap.buffer + static_cast<ptrdiff_t>(row) * slot->bitmap.pitch;
      glyph.coverage.insert(glyph.coverage.end(), line, line + glyph.width);
    }
    return glyph;
  }

  static void BlendGlyph(Hdc dc, const Glyph& glyph, int left, int top) {
    Canvas& canvas = *dc->canvas;
    const uint8_t* coverage = glyph.coverage.data();
    for (int row = 0; row < glyph.rows; ++row) {
      for (int column = 0; column < glyph.width; ++column, ++coverage) {
        Point at{left + column + dc->origin.x, top + row + dc->origin.y};
        if (*coverage == 0 || !dc->clip.Contains(at)) continue;
        canvas.Set(at.x, at.y, Mix(canvas.At(at.x, at.y), dc->textColor, *coverage));
      }
    }
  }

  FT_Face face_ = nullptr;
  std::mutex mutex_;
  std::unordered_map<char32_t, Glyph> glyphs_;
  std::string family_;
  TextMetrics metrics_;
  UnderlineStroke underline_;
};

FontHandle CreateFontIndirect(const LogFont& description) {
  std::optional<FontFile> file = MatchFontFile(description.face, description.weight, description.italic);
  if (!file) return nullptr;
  auto font = std::make_shared<Font>();
  return font->Load(*file, description) ? font : nullptr;
}

std::string FontFamily(const FontHandle& font) { return font ? font->Family() : std::string(); }

namespace {

Font* FontOf(Hdc dc) {
  if (dc->font) return dc->font.get();
  static FontHandle fallback = CreateFontIndirect(LogFont{0, FW_NORMAL, false, "System"});
  return fallback.get();
}

}  // namespace

FontHandle SelectFont(Hdc dc, FontHandle font) {
  if (!dc) return nullptr;
  FontHandle previous = std::move(dc->font);
  dc->font = std::move(font);
  return previous;
}

bool GetTextMetrics(Hdc dc, TextMetrics* metrics) {
  Font* font = dc && metrics ? FontOf(dc) : nullptr;
  if (!font) return false;
  *metrics = font->Metrics();
  return true;
}

bool GetUnderlineStroke(Hdc dc, UnderlineStroke* stroke) {
  Font* font = dc && stroke ? FontOf(dc) : nullptr;
  if (!font) return false;
  *stroke = font->Underline();
  return true;
}

bool GetTextExtentPoint32(Hdc dc, std::string_view text, Size* size) {
  Font* font = dc && size ? FontOf(dc) : nullptr;
  if (!font) return false;
  *size = {font->Width(text), font->Metrics().height};
  return true;
}

bool TextOut(Hdc dc, int x, int y, std::string_view text) {
  Font* font = dc ? FontOf(dc) : nullptr;
  if (!font) return false;
  if (dc->backMode == OPAQUE) FillSolid(dc, {x, y, x + font->Width(text), y + font->Metrics().height}, dc->backColor);
  font->Draw(dc, x, y + font->Metrics().ascent, text);
  return true;
}

}  // namespace qor::ui
