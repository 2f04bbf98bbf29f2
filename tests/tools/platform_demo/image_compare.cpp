#include "tests/tools/platform_demo/image_compare.h"

#include <algorithm>
#include <cstdlib>

namespace qor::tool::testing {
namespace {

int ChannelDistance(ui::Pixel a, ui::Pixel b) {
  int worst = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    worst = std::max(worst, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
  }
  return worst;
}

}  // namespace

Comparison CompareImages(const ui::Canvas& actual, const ui::Rect& part, const ui::Canvas& expected,
                         int channelTolerance) {
  Comparison result;
  result.sameSize = part.Width() == expected.Width() && part.Height() == expected.Height();
  if (!result.sameSize) return result;
  for (int y = 0; y < part.Height(); ++y) {
    for (int x = 0; x < part.Width(); ++x) {
      int distance = ChannelDistance(actual.At(part.left + x, part.top + y), expected.At(x, y));
      result.worstChannel = std::max(result.worstChannel, distance);
      if (distance > channelTolerance) ++result.differing;
    }
  }
  return result;
}

Comparison CompareImages(const ui::Canvas& actual, const ui::Canvas& expected, int channelTolerance) {
  return CompareImages(actual, actual.Bounds(), expected, channelTolerance);
}

}  // namespace qor::tool::testing
