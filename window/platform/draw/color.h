#pragma once
// Colours as the window runtime stores them: 0x00BBGGRR (red in the low byte), and the
// pixels of a canvas: 0xAARRGGBB, opaque, as displays and image files take them.
#include <cstdint>

namespace qor::ui {

using ColorRef = uint32_t;
using Pixel = uint32_t;

// Returned where a colour cannot be given (a point outside the drawing area).
inline constexpr ColorRef CLR_INVALID = 0xFFFFFFFF;

constexpr ColorRef RGB(unsigned red, unsigned green, unsigned blue) {
  return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
constexpr unsigned GetRValue(ColorRef c) { return c & 0xFF; }
constexpr unsigned GetGValue(ColorRef c) { return (c >> 8) & 0xFF; }
constexpr unsigned GetBValue(ColorRef c) { return (c >> 16) & 0xFF; }

constexpr Pixel PixelFromColor(ColorRef c) {
  return 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}
constexpr ColorRef ColorFromPixel(Pixel p) { return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }

// A pixel with straight alpha (0 transparent, 255 opaque) laid over an opaque one.
constexpr Pixel BlendOver(Pixel under, Pixel over) {
  unsigned alpha = over >> 24;
  Pixel result = 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    unsigned below = (under >> shift) & 0xFF;
    unsigned above = (over >> shift) & 0xFF;
    result |= ((above * alpha + below * (255 - alpha) + 127) / 255) << shift;
  }
  return result;
}

}  // namespace qor::ui
