#include "tests/window/platform/resources/ico_builder.h"

#include <png.h>

#include <algorithm>
#include <fstream>

#include <gtest/gtest.h>

namespace qor::ui::testing {

namespace {

void PutWord(Bytes& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}
void PutDoubleWord(Bytes& out, uint32_t value) {
  PutWord(out, value & 0xFFFF);
  PutWord(out, value >> 16);
}
size_t Stride(int width, int bits) { return ((static_cast<size_t>(width) * bits + 31) / 32) * 4; }

}  // namespace

Bytes BitmapImage(int width, int height, int bits, const PixelSource& source) {
  std::vector<Pixel> palette;
  if (bits <= 8) {
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        Pixel color = source(x, y) | 0xFF000000u;
        if ((source(x, y) >> 24) == 0) continue;  // masked: its colour is not stored
        if (std::find(palette.begin(), palette.end(), color) == palette.end()) palette.push_back(color);
      }
    }
    palette.resize(size_t{1} << bits, 0xFF000000u);
  }
  Bytes out;
  for (uint32_t field : {40u, static_cast<uint32_t>(width), static_cast<uint32_t>(height * 2)}) PutDoubleWord(out, field);
  PutWord(out, 1);
  PutWord(out, static_cast<uint32_t>(bits));
  for (int i = 0; i < 6; ++i) PutDoubleWord(out, 0);
  for (Pixel color : palette) PutDoubleWord(out, color & 0xFFFFFF);
  size_t colorStride = Stride(width, bits);
  size_t maskStride = Stride(width, 1);
  Bytes colors(colorStride * height, 0);
  Bytes mask(maskStride * height, 0);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = colors.data() + colorStride * (height - 1 - y);
    uint8_t* maskRow = mask.data() + maskStride * (height - 1 - y);
    for (int x = 0; x < width; ++x) {
      Pixel pixel = source(x, y);
      if ((pixel >> 24) == 0) {
        maskRow[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        pixel = 0;
      }
      size_t index = pixel ? std::find(palette.begin(), palette.end(), pixel | 0xFF000000u) - palette.begin() : 0;
      switch (bits) {
        case 1: row[x / 8] |= static_cast<uint8_t>(index << (7 - x % 8)); break;
        case 4: row[x / 2] |= static_cast<uint8_t>(index << (x % 2 ? 0 : 4)); break;
        case 8: row[x] = static_cast<uint8_t>(index); break;
        case 24:
          row[x * 3] = static_cast<uint8_t>(pixel);
          row[x * 3 + 1] = static_cast<uint8_t>(pixel >> 8);
          row[x * 3 + 2] = static_cast<uint8_t>(pixel >> 16);
          break;
        default:
          for (int b = 0; b < 4; ++b) row[x * 4 + b] = static_cast<uint8_t>(pixel >> (8 * b));
      }
    }
  }
  out.insert(out.end(), colors.begin(), colors.end());
  out.insert(out.end(), mask.begin(), mask.end());
  return out;
}

Bytes PngImage(int width, int height, const PixelSource& source) {
  std::vector<uint8_t> rgba;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Pixel p = source(x, y);
      rgba.insert(rgba.end(), {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p),
                               static_cast<uint8_t>(p >> 24)});
    }
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr);
  Bytes out(size);
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, rgba.data(), 0, nullptr)) out.clear();
  out.resize(size);
  return out;
}

Bytes IconFile(const std::vector<Bytes>& images) {
  Bytes out;
  PutWord(out, 0);
  PutWord(out, 1);
  PutWord(out, static_cast<uint32_t>(images.size()));
  uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
  for (const Bytes& image : images) {
    for (int i = 0; i < 4; ++i) out.push_back(0);  // sizes and colour count: readers take them from the image
    PutWord(out, 1);
    PutWord(out, 32);
    PutDoubleWord(out, static_cast<uint32_t>(image.size()));
    PutDoubleWord(out, offset);
    offset += static_cast<uint32_t>(image.size());
  }
  for (const Bytes& image : images) out.insert(out.end(), image.begin(), image.end());
  return out;
}

std::string WriteTemporary(const std::string& name, const Bytes& bytes) {
  std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
  return path;
}

}  // namespace qor::ui::testing
