#pragma once
// Test support: icon files built in memory, bitmap images at any colour depth with their
// mask, and PNG images, so that tests know every pixel they read back.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "window/platform/draw/color.h"

namespace qor::ui::testing {

using Bytes = std::vector<uint8_t>;

// A picture given as a function of (x, y) returning 0xAARRGGBB; alpha 0 is transparent.
using PixelSource = std::function<Pixel(int x, int y)>;

// The bitmap form of an image at 1, 4, 8, 24 or 32 bits a pixel. Up to 8 bits the
// palette is built from the colours the picture uses (at most 2, 16 or 256 of them).
Bytes BitmapImage(int width, int height, int bits, const PixelSource& source);
// The PNG form of an image (with alpha).
Bytes PngImage(int width, int height, const PixelSource& source);
// An icon file holding the images in this order.
Bytes IconFile(const std::vector<Bytes>& images);

// Writes bytes to a fresh file under the test's temporary folder; returns its path.
std::string WriteTemporary(const std::string& name, const Bytes& bytes);

}  // namespace qor::ui::testing
