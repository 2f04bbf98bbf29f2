#pragma once
// The spin box's arithmetic: a step up or down from a base value, clamped to the
// record's limits (high first, then low, so low wins when they cross) and then to what
// the variable's type can hold, so a step never wraps on store. A step of 0 is 1;
// limits of 0 and 0 mean no limits.
#include <cstdint>

namespace qor::win {

struct SpinRange {
  double low = 0;
  double high = 0;
  double step = 1;
  bool limited = false;
};

// The range of a spin record (low, high and step as stored).
SpinRange SpinRangeOf(double low, double high, double step);

struct ValueRange {
  double low;
  double high;
};

// What a variable of this type and byte size holds; unbounded for the others.
ValueRange TypeRangeOf(uint8_t typeCode, uint32_t size);

// Clamps to the spin's limits, then to the type's range.
double ClampSpinValue(double value, const SpinRange& spin, const ValueRange& type);

struct SpinResult {
  double value;
  bool changed;
};

// One step: +1 up, -1 down.
SpinResult StepSpin(double base, int direction, const SpinRange& spin, const ValueRange& type);

}  // namespace qor::win
