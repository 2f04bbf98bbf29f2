#pragma once
// A button's repeat delay and interval as properties: given in hundredths of a second,
// kept in milliseconds, read back in hundredths. A value of 0 or below is kept as 0
// (no repeats for a delay, the delay for an interval); one above 65,535 hundredths is
// kept as 65,535, so no value can make a nonsense timer.
#include <cstdint>

namespace qor::win {

inline constexpr int64_t kLongestRepeatHundredths = 65535;

int32_t RepeatMillisecondsFromHundredths(int64_t hundredths);
int32_t RepeatHundredthsFromMilliseconds(int32_t milliseconds);

}  // namespace qor::win
