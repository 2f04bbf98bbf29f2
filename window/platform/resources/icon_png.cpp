// PNG images inside icon files, read with libpng's simplified interface from memory.
#include <png.h>

#include <algorithm>
#include <bit>

#include "window/platform/resources/detail/icon_decode.h"
#include "window/platform/resources/icon_file.h"

namespace qor::ui::detail {

namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

}  // namespace

bool LooksLikePng(std::span<const uint8_t> data) {
  return data.size() >= sizeof kSignature && std::equal(kSignature, kSignature + sizeof kSignature, data.begin());
}

std::optional<IconImage> DecodeIconPng(std::span<const uint8_t> data, std::string& error) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, data.data(), data.size())) {
    error = std::string("bad PNG image: ") + png.message;
    png_image_free(&png);
    return std::nullopt;
  }
  if (png.width == 0 || png.height == 0 || png.width > kLargestIconSide || png.height > kLargestIconSide) {
    error = "bad PNG image size";
    png_image_free(&png);
    return std::nullopt;
  }
  // Pixels 0xAARRGGBB in memory on a little-endian machine are the bytes B, G, R, A.
  png.format = PNG_FORMAT_BGRA;
  IconImage image{static_cast<int>(png.width), static_cast<int>(png.height),
                  std::vector<Pixel>(size_t(png.width) * png.height)};
  static_assert(std::endian::native == std::endian::little, "pixels are read as little-endian words");
  if (!png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr)) {
    error = std::string("bad PNG image: ") + png.message;
    png_image_free(&png);
    return std::nullopt;
  }
  return image;
}

}  // namespace qor::ui::detail
