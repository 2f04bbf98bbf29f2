#pragma once
// Comparing a rendering with a reference image within a tolerance: a pixel differs when
// any of its channels is off by more than `channel`, and the images match when at most
// `pixels` differ (antialiased text may shift by a shade between font library builds).
#include <string>

#include "window/platform/draw/canvas.h"

namespace qor::tool::testing {

struct Tolerance {
  int channel = 40;
  int pixels = 0;
};

struct Comparison {
  bool sameSize = false;
  int differing = 0;
  int worstChannel = 0;
  bool Within(const Tolerance& t) const { return sameSize && differing <= t.pixels; }
};

// `part` of `actual` against the whole of `expected`.
Comparison CompareImages(const ui::Canvas& actual, const ui::Rect& part, const ui::Canvas& expected,
                         int channelTolerance);
Comparison CompareImages(const ui::Canvas& actual, const ui::Canvas& expected, int channelTolerance);

}  // namespace qor::tool::testing
