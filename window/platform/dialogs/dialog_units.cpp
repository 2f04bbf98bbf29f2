#include "window/platform/dialogs/dialog_units.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "window/platform/draw/logical_dpi.h"

namespace qor::ui {

namespace {

constexpr const char* kAlphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr int kAlphabetHalf = 26;

// Any int converts: the products are taken in 64 bits and the results held to int's range,
// so a position set far out (a property may give any 32-bit value) cannot overflow.
int HeldToInt(int64_t value) {
  return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// A context that only measures: it draws nowhere.
DeviceContext MeasuringContext(const FontHandle& font) {
  DeviceContext dc;
  dc.canvas = std::make_shared<Canvas>();
  dc.font = font;
  return dc;
}

}  // namespace

DialogBaseUnits MeasureBaseUnits(const FontHandle& font) {
  DeviceContext dc = MeasuringContext(font);
  TextMetrics metrics;
  Size alphabet;
  if (!GetTextMetrics(&dc, &metrics) || !GetTextExtentPoint32(&dc, kAlphabet, &alphabet)) return {};
  return {(alphabet.cx / kAlphabetHalf + 1) / 2, metrics.height};
}

FontHandle CreatePointFont(const std::string& face, int pointSize, int weight, bool italic) {
  return CreateFontIndirect(LogFont{PointsToHeight(pointSize), weight, italic, face});
}


int DialogUnitsToPixelsX(int units, DialogBaseUnits base) { return HeldToInt((int64_t{units} * base.width + 3) / 4); }
int DialogUnitsToPixelsY(int units, DialogBaseUnits base) { return HeldToInt((int64_t{units} * base.height + 7) / 8); }
int PixelsToDialogUnitsX(int pixels, DialogBaseUnits base) {
  return base.width ? HeldToInt(int64_t{pixels} * 4 / base.width) : 0;
}
int PixelsToDialogUnitsY(int pixels, DialogBaseUnits base) {
  return base.height ? HeldToInt(int64_t{pixels} * 8 / base.height) : 0;
}

Rect DialogRectToPixels(const Rect& units, DialogBaseUnits base) {
  int left = DialogUnitsToPixelsX(units.left, base);
  int top = DialogUnitsToPixelsY(units.top, base);
  return {left, top, left + DialogUnitsToPixelsX(units.Width(), base), top + DialogUnitsToPixelsY(units.Height(), base)};
}

}  // namespace qor::ui
