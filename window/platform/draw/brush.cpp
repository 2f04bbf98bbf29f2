#include "window/platform/draw/brush.h"

#include "window/platform/draw/system_colors.h"

namespace qor::ui {

namespace {
// Solid brushes: the colour in the low 24 bits under a tag no system brush reaches.
constexpr BrushHandle kSolidTag = BrushHandle{1} << 24;
}  // namespace

BrushHandle CreateSolidBrush(ColorRef color) { return kSolidTag | (color & 0x00FFFFFF); }

BrushHandle GetSysColorBrush(int index) { return static_cast<BrushHandle>(index + 1); }

std::optional<ColorRef> BrushColor(BrushHandle brush) {
  if (brush >= 1 && brush <= kSystemColorCount) return GetSysColor(static_cast<int>(brush) - 1);
  if ((brush & ~BrushHandle{0x00FFFFFF}) == kSolidTag) return static_cast<ColorRef>(brush & 0x00FFFFFF);
  return std::nullopt;
}

}  // namespace qor::ui
