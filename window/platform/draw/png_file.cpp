#include "window/platform/draw/png_file.h"

#include <png.h>

#include <cstdio>
#include <vector>

namespace qor::ui {

namespace {

constexpr int kBytesPerPixel = 3;
// Larger pictures are refused rather than allocated: no window is this big.
constexpr png_uint_32 kLargestSide = 16384;

bool Fail(png_image& image, std::string* error, const std::string& fallback) {
  if (error) *error = (image.message[0] != '\0') ? image.message : fallback;
  png_image_free(&image);
  return false;
}

png_image BlankImage() {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  return image;
}

}  // namespace

bool WritePng(const Canvas& canvas, const std::string& path, std::string* error) {
  if (canvas.Width() <= 0 || canvas.Height() <= 0) {
    if (error) *error = "empty canvas";
    return false;
  }
  std::vector<png_byte> rgb(static_cast<size_t>(canvas.Width()) * canvas.Height() * kBytesPerPixel);
  png_byte* out = rgb.data();
  for (int y = 0; y < canvas.Height(); ++y) {
    for (const Pixel* p = canvas.Row(y); p != canvas.Row(y) + canvas.Width(); ++p) {
      *out++ = static_cast<png_byte>(*p >> 16);
      *out++ = static_cast<png_byte>(*p >> 8);
      *out++ = static_cast<png_byte>(*p);
    }
  }
  png_image image = BlankImage();
  image.width = static_cast<png_uint_32>(canvas.Width());
  image.height = static_cast<png_uint_32>(canvas.Height());
  image.format = PNG_FORMAT_RGB;
  if (!png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr)) {
    std::remove(path.c_str());
    return Fail(image, error, "cannot write " + path);
  }
  png_image_free(&image);
  return true;
}

std::optional<Canvas> ReadPng(const std::string& path, std::string* error) {
  png_image image = BlankImage();
  if (!png_image_begin_read_from_file(&image, path.c_str())) {
    Fail(image, error, "cannot read " + path);
    return std::nullopt;
  }
  if (image.width > kLargestSide || image.height > kLargestSide) {
    Fail(image, error, path + " is too large");
    return std::nullopt;
  }
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
    Fail(image, error, "cannot read " + path);
    return std::nullopt;
  }
  Canvas canvas(static_cast<int>(image.width), static_cast<int>(image.height));
  const png_byte* in = rgb.data();
  for (int y = 0; y < canvas.Height(); ++y) {
    for (Pixel* p = canvas.Row(y); p != canvas.Row(y) + canvas.Width(); ++p, in += kBytesPerPixel) {
      *p = 0xFF000000u | (Pixel{in[0]} << 16) | (Pixel{in[1]} << 8) | in[2];
    }
  }
  png_image_free(&image);
  return canvas;
}

}  // namespace qor::ui
