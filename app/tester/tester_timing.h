#pragma once
// The tester's two timed behaviours, through the window's properties: the warning flash
// of the range-rule text (control 62), one step per timer event, and the repeat timing
// every button gets from the Button Delay and Button Repeat fields.
#include <cstdint>

#include "app/tester_state.h"
#include "framework/window_manager/window_primitives.h"

namespace qor::app {

inline constexpr int32_t kRangeRuleText = 62;
inline constexpr int32_t kIdleTimer = 500;  // hundredths: the window timer without a flash

// Button timing is limited to what the spin boxes offer: a delay or interval below 1
// would make a timer that never waits, and a large one would overflow in milliseconds.
inline constexpr int32_t kLongestButtonDelay = 1000;
inline constexpr int32_t kLongestButtonRepeat = 500;

// One flash step: nothing while FlashCount is 0; otherwise one step fewer, and control
// 62 turns red (0FFh) with the timer at 75 when the count left is odd, black (0) with
// the timer at 25 when it is even; the step that reaches 0 puts the timer back to 500.
void FlashStep(TesterState& state, fw::WindowPrimitives& window);

// Holds ButtonDelay in 1..1000 and ButtonRepeat in 1..500, writing the limited values back.
void ClampButtonTiming(TesterState& state);

// ClampButtonTiming, then every button of the window, from its first control number to
// its last (`counter` is the loop variable), is made immediate with ButtonDelay as its
// repeat delay and ButtonRepeat as its repeat interval.
void ApplyButtonTiming(TesterState& state, int32_t& counter, fw::WindowPrimitives& window);

}  // namespace qor::app
