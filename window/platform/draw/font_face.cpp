#include "window/platform/draw/font_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <numbers>

#include "window/platform/draw/logical_dpi.h"

namespace qor::ui {

namespace {

constexpr int kDefaultPoints = 10;
constexpr int kFullTurn = 3600;     // tenths of a degree
constexpr FT_Fixed kSlant = 0x366A; // the shear of a slanted face: about 12 degrees
constexpr FT_Fixed kOne = 0x10000;

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

// Faces are made and dropped through the one library, which is not safe to share.
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
  if (!FT_IS_SCALABLE(face)) return {std::min(metrics.ascent + 1, metrics.height - 1), 1};
  double scale = face->size->metrics.y_scale / 65536.0 / 64.0;
  int thickness = std::max(1, static_cast<int>(std::lround(face->underline_thickness * scale)));
  double centre = -face->underline_position * scale;
  int top = metrics.ascent + std::max(0, static_cast<int>(std::lround(centre - thickness / 2.0)));
  return {std::min(top, metrics.height - thickness), thickness};
}

FT_Fixed Fixed(double value) { return static_cast<FT_Fixed>(std::lround(value * kOne)); }

}  // namespace

TextDirection TextDirection::ForEscapement(int tenths) {
  tenths = (tenths % kFullTurn + kFullTurn) % kFullTurn;
  double cosine = 0, sine = 0;
  switch (tenths) {
    case 0: cosine = 1; break;
    case 900: sine = 1; break;
    case 1800: cosine = -1; break;
    case 2700: sine = -1; break;
    default: {
      double radians = tenths * std::numbers::pi / 1800.0;
      cosine = std::cos(radians);
      sine = std::sin(radians);
    }
  }
  // Counter-clockwise on a canvas whose y runs downwards.
  return {cosine, -sine, sine, cosine};
}

Point TextDirection::At(Point origin, double along, double down) const {
  return {origin.x + static_cast<int>(std::lround(along * alongX + down * downX)),
          origin.y + static_cast<int>(std::lround(along * alongY + down * downY))};
}

Font::~Font() {
  std::lock_guard lock(LibraryMutex());
  if (face_) FT_Done_Face(face_);
}

bool Font::Load(const FontFile& file, const LogFont& description) {
  std::lock_guard lock(LibraryMutex());
  if (!Library() || FT_New_Face(Library(), file.path.c_str(), 0, &face_) != 0) return false;
  family_ = file.family;
  int height = description.height ? description.height : PointsToHeight(kDefaultPoints);
  FT_UInt pixels = static_cast<FT_UInt>(std::abs(height));
  if (height > 0 && face_->ascender - face_->descender > 0) {
    pixels = static_cast<FT_UInt>(std::lround(double(height) * face_->units_per_EM /
                                              (face_->ascender - face_->descender)));
  }
  if (FT_Set_Pixel_Sizes(face_, 0, std::max(pixels, 1u)) != 0) return false;
  metrics_.ascent = RoundUp(face_->size->metrics.ascender);
  metrics_.descent = RoundUp(-face_->size->metrics.descender);
  metrics_.height = metrics_.ascent + metrics_.descent;
  underline_ = UnderlineOf(face_, metrics_);
  SetShape(description);
  metrics_.averageCharWidth = GlyphFor('x').advance;
  return true;
}

// Bold and slant the face lacks are made up; the escapement turns every glyph.
void Font::SetShape(const LogFont& description) {
  if (description.weight >= FW_SEMIBOLD && !(face_->style_flags & FT_STYLE_FLAG_BOLD) && FT_IS_SCALABLE(face_)) {
    emboldenStrength_ = FT_MulFix(face_->units_per_EM, face_->size->metrics.y_scale) / 24;
  }
  slanted_ = description.italic && !(face_->style_flags & FT_STYLE_FLAG_ITALIC);
  direction_ = TextDirection::ForEscapement(description.escapement);
  turned_ = (description.escapement % kFullTurn) != 0;
  if (!slanted_ && !turned_) return;
  // The turn (counter-clockwise in FreeType's upward y) after the slant.
  const double cosine = direction_.alongX, sine = direction_.downX;
  const double shear = slanted_ ? double(kSlant) / kOne : 0;
  FT_Matrix matrix{Fixed(cosine), Fixed(cosine * shear - sine), Fixed(sine), Fixed(sine * shear + cosine)};
  FT_Set_Transform(face_, &matrix, nullptr);
}

int Font::Width(std::string_view text) {
  std::lock_guard lock(mutex_);
  int width = 0;
  for (unsigned char c : text) width += GlyphFor(FromCp1252(c)).advance;
  return width;
}

void Font::Extents(std::string_view text, std::vector<int>& extents) {
  std::lock_guard lock(mutex_);
  extents.clear();
  extents.reserve(text.size());
  int width = 0;
  for (unsigned char c : text) {
    width += GlyphFor(FromCp1252(c)).advance;
    extents.push_back(width);
  }
}

void Font::Draw(Hdc dc, Point cell, std::string_view text) {
  std::lock_guard lock(mutex_);
  int pen = 0;
  for (unsigned char c : text) {
    const Glyph& glyph = GlyphFor(FromCp1252(c));
    Point origin = direction_.At(cell, pen, metrics_.ascent);
    BlendGlyph(dc, glyph, origin.x + glyph.left, origin.y - glyph.top);
    pen += glyph.advance;
  }
}

const Font::Glyph& Font::GlyphFor(char32_t character) {
  auto found = glyphs_.find(character);
  if (found != glyphs_.end()) return found->second;
  Glyph& glyph = glyphs_[character];
  if (FT_Load_Char(face_, character, FT_LOAD_TARGET_NORMAL | FT_LOAD_NO_BITMAP) != 0) return glyph;
  FT_GlyphSlot slot = face_->glyph;
  if (emboldenStrength_ && slot->format == FT_GLYPH_FORMAT_OUTLINE) FT_Outline_Embolden(&slot->outline, emboldenStrength_);
  if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;
  glyph.width = static_cast<int>(slot->bitmap.width);
  glyph.rows = static_cast<int>(slot->bitmap.rows);
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  glyph.advance = RoundUp(slot->metrics.horiAdvance + emboldenStrength_);
  for (int row = 0; row < glyph.rows; ++row) {
    const unsigned char* line = slot->bitmap.buffer + static_cast<ptrdiff_t>(row) * slot->bitmap.pitch;
    glyph.coverage.insert(glyph.coverage.end(), line, line + glyph.width);
  }
  return glyph;
}

// Blends row by row within each rectangle of the clip (they never overlap, so every
// pixel is blended once), reading the coverage where the rectangle starts.
void Font::BlendGlyph(Hdc dc, const Glyph& glyph, int left, int top) {
  Canvas& canvas = *dc->canvas;
  Rect box = Rect{left, top, left + glyph.width, top + glyph.rows}.Offset(dc->origin.x, dc->origin.y);
  box = Intersection(box, canvas.Bounds());
  if (box.IsEmpty()) return;
  const int boxLeft = left + dc->origin.x, boxTop = top + dc->origin.y;
  for (const Rect& part : dc->clip.Rects()) {
    Rect area = Intersection(box, part);
    if (area.IsEmpty()) continue;
    for (int y = area.top; y < area.bottom; ++y) {
      const uint8_t* coverage =
          glyph.coverage.data() + static_cast<ptrdiff_t>(y - boxTop) * glyph.width + (area.left - boxLeft);
      Pixel* pixel = canvas.Row(y) + area.left;
      for (int x = area.left; x < area.right; ++x, ++coverage, ++pixel) {
        if (*coverage != 0) *pixel = Mix(*pixel, dc->textColor, *coverage);
      }
    }
  }
}

}  // namespace qor::ui
