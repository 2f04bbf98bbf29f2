#include "window/platform/draw/logical_dpi.h"

#include <atomic>
#include <cstdint>
#include <limits>

namespace qor::ui {

namespace {

constexpr int kLowestDpi = 48;
constexpr int kHighestDpi = 960;

std::atomic<int>& Dpi() {
  static std::atomic<int> dpi{kDefaultLogicalDpi};
  return dpi;
}

}  // namespace

bool SetLogicalDpi(int dpi) {
  if (dpi < kLowestDpi || dpi > kHighestDpi) return false;
  Dpi().store(dpi);
  return true;
}

int GetLogicalDpi() { return Dpi().load(); }

int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  int64_t product = int64_t{number} * numerator;
  int64_t divisor = denominator;
  if (divisor < 0) {
    divisor = -divisor;
    product = -product;
  }
  int64_t result = product >= 0 ? (product + divisor / 2) / divisor : -((-product + divisor / 2) / divisor);
  if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min()) return -1;
  return static_cast<int>(result);
}

int PointsToHeight(int points) { return -MulDiv(points, GetLogicalDpi(), 72); }

int GetDeviceCaps(Hdc dc, int index) {
  if (!dc) return 0;
  switch (index) {
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case LOGPIXELSX:
    case LOGPIXELSY: return GetLogicalDpi();
    default: return 0;
  }
}

}  // namespace qor::ui
