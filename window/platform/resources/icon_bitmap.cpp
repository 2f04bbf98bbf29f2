// Bitmap images of icon files: a 40-byte header, a palette for 1, 4 and 8 bits a pixel,
// the colour rows and the one-bit mask rows, both from the bottom up, each row padded to
// four bytes. The header's height counts both parts (twice the icon's height). A set
// mask bit marks a transparent pixel; a 32-bit image carries its own alpha, and the mask
// decides only when every alpha byte is 0.
#include <cstdint>

#include "window/platform/resources/detail/icon_decode.h"
#include "window/platform/resources/icon_file.h"

namespace qor::ui::detail {

namespace {

constexpr uint32_t kHeaderSize = 40;
constexpr uint32_t kUncompressed = 0;
constexpr uint32_t kBitFields = 3;  // 32-bit images may name their masks; the usual order is assumed

struct BitmapLayout {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  uint32_t paletteEntries = 0;
  uint64_t paletteAt = 0;
  uint64_t colorsAt = 0;
  uint64_t colorStride = 0;
  uint64_t maskAt = 0;
  uint64_t maskStride = 0;
  bool hasMask = true;
};

uint64_t Stride(int width, int bits) { return ((static_cast<uint64_t>(width) * bits + 31) / 32) * 4; }

bool Fail(std::string& error, const std::string& reason) {
  error = reason;
  return false;
}

bool ReadLayout(std::span<const uint8_t> data, BitmapLayout& layout, std::string& error) {
  if (data.size() < kHeaderSize) return Fail(error, "bitmap header cut short");
  uint32_t headerSize = DoubleWord(data, 0);
  if (headerSize < kHeaderSize || headerSize > data.size()) return Fail(error, "bad bitmap header size");
  int32_t width = static_cast<int32_t>(DoubleWord(data, 4));
  int32_t doubleHeight = static_cast<int32_t>(DoubleWord(data, 8));
  layout.bitsPerPixel = Word(data, 14);
  uint32_t compression = DoubleWord(data, 16);
  uint32_t used = DoubleWord(data, 32);
  if (width <= 0 || doubleHeight <= 0 || width > kLargestIconSide || doubleHeight / 2 > kLargestIconSide) {
    return Fail(error, "bad bitmap size");
  }
  int bits = layout.bitsPerPixel;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) {
    return Fail(error, "unsupported colour depth " + std::to_string(bits));
  }
  if (compression != kUncompressed && !(bits == 32 && compression == kBitFields)) {
    return Fail(error, "compressed bitmaps are not supported");
  }
  layout.width = width;
  layout.height = doubleHeight / 2;
  if (layout.height == 0) return Fail(error, "bad bitmap size");
  if (bits <= 8) {
    uint32_t most = 1u << bits;
    layout.paletteEntries = (used == 0 || used > most) ? most : used;
  }
  layout.paletteAt = headerSize + (compression == kBitFields ? 12 : 0);
  layout.colorsAt = layout.paletteAt + uint64_t{layout.paletteEntries} * 4;
  layout.colorStride = Stride(width, bits);
  layout.maskAt = layout.colorsAt + layout.colorStride * layout.height;
  layout.maskStride = Stride(width, 1);
  uint64_t end = layout.maskAt + layout.maskStride * layout.height;
  if (layout.maskAt > data.size()) return Fail(error, "bitmap data cut short");
  if (end > data.size()) {
    // A 32-bit image needs no mask: its alpha says it all.
    if (bits != 32) return Fail(error, "bitmap mask cut short");
    layout.hasMask = false;
  }
  return true;
}

Pixel PaletteColor(std::span<const uint8_t> data, const BitmapLayout& layout, uint32_t index) {
  if (index >= layout.paletteEntries) return 0xFF000000u;
  uint64_t at = layout.paletteAt + uint64_t{index} * 4;
  return 0xFF000000u | (Pixel{data[at + 2]} << 16) | (Pixel{data[at + 1]} << 8) | data[at];
}

// The colour of a pixel, rows counted from the top of the picture.
Pixel ColorAt(std::span<const uint8_t> data, const BitmapLayout& layout, int x, int y) {
  uint64_t row = layout.colorsAt + layout.colorStride * (layout.height - 1 - y);
  switch (layout.bitsPerPixel) {
    case 1: return PaletteColor(data, layout, (data[row + x / 8] >> (7 - x % 8)) & 1);
    case 4: return PaletteColor(data, layout, (data[row + x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
    case 8: return PaletteColor(data, layout, data[row + x]);
    case 24: {
      uint64_t at = row + uint64_t(x) * 3;
      return 0xFF000000u | (Pixel{data[at + 2]} << 16) | (Pixel{data[at + 1]} << 8) | data[at];
    }
    default: return DoubleWord(data, row + uint64_t(x) * 4);
  }
}

bool MaskedAt(std::span<const uint8_t> data, const BitmapLayout& layout, int x, int y) {
  if (!layout.hasMask) return false;
  uint64_t row = layout.maskAt + layout.maskStride * (layout.height - 1 - y);
  return (data[row + x / 8] >> (7 - x % 8)) & 1;
}

}  // namespace

std::optional<IconImage> DecodeIconBitmap(std::span<const uint8_t> data, std::string& error) {
  BitmapLayout layout;
  if (!ReadLayout(data, layout, error)) return std::nullopt;
  IconImage image{layout.width, layout.height, std::vector<Pixel>(size_t(layout.width) * layout.height)};
  bool anyAlpha = false;
  for (int y = 0; y < layout.height; ++y) {
    for (int x = 0; x < layout.width; ++x) {
      Pixel color = ColorAt(data, layout, x, y);
      anyAlpha = anyAlpha || (layout.bitsPerPixel == 32 && (color >> 24) != 0);
      image.pixels[size_t(y) * layout.width + x] = color;
    }
  }
  bool useMask = layout.bitsPerPixel != 32 || !anyAlpha;
  if (!useMask) return image;
  for (int y = 0; y < layout.height; ++y) {
    for (int x = 0; x < layout.width; ++x) {
      Pixel& pixel = image.pixels[size_t(y) * layout.width + x];
      pixel = MaskedAt(data, layout, x, y) ? 0 : (pixel | 0xFF000000u);
    }
  }
  return image;
}

}  // namespace qor::ui::detail
