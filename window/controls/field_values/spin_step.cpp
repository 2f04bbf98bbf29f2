// Spin box steps and clamping.
#include "window/controls/field_values/spin_step.h"

#include <cmath>
#include <limits>

#include "runtime/values/variable_reference.h"

namespace qor::win {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

ValueRange SignedBytes(uint32_t size) {
  if (size == 0 || size > 8) return {-kInfinity, kInfinity};
  double half = std::ldexp(1.0, static_cast<int>(size * 8 - 1));
  return {-half, half - 1};
}

ValueRange UnsignedBytes(uint32_t size) {
  if (size == 0 || size > 8) return {0, kInfinity};
  return {0, std::ldexp(1.0, static_cast<int>(size * 8)) - 1};
}

}  // namespace

SpinRange SpinRangeOf(double low, double high, double step) {
  SpinRange range;
  range.step = step == 0 || std::isnan(step) ? 1 : step;
  range.limited = !(low == 0 && high == 0);
  range.low = range.limited ? low : -kInfinity;
  range.high = range.limited ? high : kInfinity;
  return range;
}

ValueRange TypeRangeOf(uint8_t typeCode, uint32_t size) {
  switch (typeCode) {
    case rt::kTypeByte: return UnsignedBytes(1);
    case rt::kTypeShort: return SignedBytes(2);
    case rt::kTypeUshort: return UnsignedBytes(2);
    case rt::kTypeDate:
    case rt::kTypeTime:
    case rt::kTypeLong: return SignedBytes(4);
    case rt::kTypeUlong: return UnsignedBytes(4);
    case rt::kTypeSizedSigned: return SignedBytes(size);
    case rt::kTypeSizedUnsigned: return UnsignedBytes(size);
    case rt::kTypeSreal: return {-std::numeric_limits<float>::max(), std::numeric_limits<float>::max()};
    default: return {-kInfinity, kInfinity};
  }
}

double ClampSpinValue(double value, const SpinRange& spin, const ValueRange& type) {
  if (value > spin.high) value = spin.high;
  if (value < spin.low) value = spin.low;
  if (value > type.high) value = type.high;
  if (value < type.low) value = type.low;
  return value;
}

SpinResult StepSpin(double base, int direction, const SpinRange& spin, const ValueRange& type) {
  double next = ClampSpinValue(base + (direction >= 0 ? spin.step : -spin.step), spin, type);
  return {next, next != base};
}

}  // namespace qor::win
