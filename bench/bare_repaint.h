#pragma once
// The floor for the repaint benchmark: the window of 120 button-like children drawn
// straight into a pixel buffer with FreeType, without windows, contexts or clipping.
// It fills the background, fills each child's rectangle, draws the raised edges as
// lines and blends the label's glyphs, rendered once up front into its own glyph table.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor::bench {

// Where things go and in which colours (pixels 0xAARRGGBB).
struct BareScene {
  int width = 0;
  int height = 0;
  uint32_t face = 0;  // background of the window and of every child
  uint32_t light = 0, darkShadow = 0, highlight = 0, shadow = 0;  // the two rings of the edge
  uint32_t text = 0;
  struct Box {
    int left, top, right, bottom;
  };
  std::vector<Box> children;
  std::string label;
  int labelX = 0, labelY = 0;  // top left of the label's cell inside a child
};

class BareRepaint {
 public:
  // Loads the font file at `pixelSize` and renders the label's glyphs; false on failure.
  bool Load(const std::string& fontPath, unsigned pixelSize, BareScene scene);
  void Draw();
  const std::vector<uint32_t>& Pixels() const { return pixels_; }

 private:
  struct Glyph {
    int width = 0, rows = 0, left = 0, top = 0, advance = 0;
    std::vector<uint8_t> coverage;
  };

  void Fill(const BareScene::Box& box, uint32_t pixel);
  void RaisedEdge(const BareScene::Box& box);
  void Label(int x, int y);

  BareScene scene_;
  std::vector<uint32_t> pixels_;
  std::array<Glyph, 256> glyphs_;
  int ascent_ = 0;
};

}  // namespace qor::bench
