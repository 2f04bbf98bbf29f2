#include "bench/bare_repaint.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

namespace qor::bench {

namespace {

// (from * (255 - coverage) + to * coverage) / 255, rounded, exactly: for x up to 255 * 255,
// round(x / 255) is (x + 128 + ((x + 128) >> 8)) >> 8.
uint32_t Mix(uint32_t from, uint32_t to, uint32_t coverage) {
  uint32_t x = from * (255 - coverage) + to * coverage + 128;
  return (x + (x >> 8)) >> 8;
}

uint32_t Blend(uint32_t under, uint32_t over, uint32_t coverage) {
  return 0xFF000000u | Mix((under >> 16) & 0xFF, (over >> 16) & 0xFF, coverage) << 16 |
         Mix((under >> 8) & 0xFF, (over >> 8) & 0xFF, coverage) << 8 | Mix(under & 0xFF, over & 0xFF, coverage);
}

}  // namespace

bool BareRepaint::Load(const std::string& fontPath, unsigned pixelSize, BareScene scene) {
  scene_ = std::move(scene);
  pixels_.assign(static_cast<size_t>(scene_.width) * scene_.height, 0);
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  if (FT_Init_FreeType(&library) != 0) return false;
  bool loaded = FT_New_Face(library, fontPath.c_str(), 0, &face) == 0 && FT_Set_Pixel_Sizes(face, 0, pixelSize) == 0;
  if (loaded) {
    ascent_ = static_cast<int>((face->size->metrics.ascender + 63) >> 6);
    for (unsigned char c : scene_.label) {
      Glyph& glyph = glyphs_[c];
      if (!glyph.coverage.empty() || FT_Load_Char(face, c, FT_LOAD_TARGET_NORMAL | FT_LOAD_NO_BITMAP) != 0 ||
          FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) {
        continue;
      }
      const FT_Bitmap& bitmap = face->glyph->bitmap;
      glyph = {static_cast<int>(bitmap.width), static_cast<int>(bitmap.rows), face->glyph->bitmap_left,
               face->glyph->bitmap_top, static_cast<int>((face->glyph->metrics.horiAdvance + 63) >> 6), {}};
      for (int row = 0; row < glyph.rows; ++row) {
        const unsigned char* line = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
        glyph.coverage.insert(glyph.coverage.end(), line, line + glyph.width);
      }
    }
    FT_Done_Face(face);
  }
  FT_Done_FreeType(library);
  return loaded;
}

void BareRepaint::Draw() {
  Fill({0, 0, scene_.width, scene_.height}, scene_.face);
  for (const BareScene::Box& box : scene_.children) {
    Fill(box, scene_.face);
    RaisedEdge(box);
    Label(box.left + scene_.labelX, box.top + scene_.labelY);
  }
}

void BareRepaint::Fill(const BareScene::Box& box, uint32_t pixel) {
  for (int y = box.top; y < box.bottom; ++y) {
    uint32_t* row = pixels_.data() + static_cast<size_t>(y) * scene_.width;
    std::fill(row + box.left, row + box.right, pixel);
  }
}

// Two rings: light on the top and left, dark on the right and bottom, which take the
// top right and bottom left corners.
void BareRepaint::RaisedEdge(const BareScene::Box& box) {
  BareScene::Box ring = box;
  const uint32_t colours[2][2] = {{scene_.light, scene_.darkShadow}, {scene_.highlight, scene_.shadow}};
  for (const auto& [light, dark] : colours) {
    Fill({ring.left, ring.top, ring.right - 1, ring.top + 1}, light);
    Fill({ring.left, ring.top, ring.left + 1, ring.bottom - 1}, light);
    Fill({ring.right - 1, ring.top, ring.right, ring.bottom}, dark);
    Fill({ring.left, ring.bottom - 1, ring.right, ring.bottom}, dark);
    ring = {ring.left + 1, ring.top + 1, ring.right - 1, ring.bottom - 1};
  }
}

void BareRepaint::Label(int x, int y) {
  int baseline = y + ascent_;
  for (unsigned char c : scene_.label) {
    const Glyph& glyph = glyphs_[c];
    const uint8_t* coverage = glyph.coverage.data();
    for (int row = 0; row < glyph.rows; ++row) {
      uint32_t* line = pixels_.data() + static_cast<size_t>(baseline - glyph.top + row) * scene_.width + x + glyph.left;
      for (int column = 0; column < glyph.width; ++column, ++coverage) {
        if (*coverage) line[column] = Blend(line[column], scene_.text, *coverage);
      }
    }
    x += glyph.advance;
  }
}

}  // namespace qor::bench
