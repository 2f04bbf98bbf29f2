// Converting repeat timing between hundredths of a second and milliseconds.
#include "window/properties/timing_values.h"

namespace qor::win {

int32_t RepeatMillisecondsFromHundredths(int64_t hundredths) {
  if (hundredths <= 0) return 0;
  if (hundredths > kLongestRepeatHundredths) hundredths = kLongestRepeatHundredths;
  return static_cast<int32_t>(hundredths * 10);
}

int32_t RepeatHundredthsFromMilliseconds(int32_t milliseconds) { return milliseconds / 10; }

}  // namespace qor::win
