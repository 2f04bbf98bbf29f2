#include "app/tester/tester_timing.h"

#include <algorithm>

#include "app/routines.h"

namespace qor::app {
namespace {

constexpr uint32_t kPropertyType = 0x7C01;
constexpr uint32_t kPropertyFontColour = 0x7C12;
constexpr uint32_t kPropertyTimer = 0x7C86;
constexpr uint32_t kPropertyImmediate = 0x7C6A;
constexpr uint32_t kPropertyRepeatDelay = 0x7A0F;
constexpr uint32_t kPropertyRepeatInterval = 0x7A08;
constexpr int32_t kTypeButton = 9;

constexpr int32_t kRed = 0x0000FF;
constexpr int32_t kBlack = 0x000000;
constexpr int32_t kRedPhase = 75;    // hundredths
constexpr int32_t kBlackPhase = 25;  // hundredths

}  // namespace

void FlashStep(TesterState& state, fw::WindowPrimitives& window) {
  if (state.FlashCount == 0) return;
  --state.FlashCount;
  if (BT(&state.FlashCount, 0)) {
    fw::AssignNumber(window, kRangeRuleText, kPropertyFontColour, kRed);
    fw::AssignNumber(window, 0, kPropertyTimer, kRedPhase);
  } else {
    fw::AssignNumber(window, kRangeRuleText, kPropertyFontColour, kBlack);
    fw::AssignNumber(window, 0, kPropertyTimer, kBlackPhase);
  }
  if (state.FlashCount == 0) fw::AssignNumber(window, 0, kPropertyTimer, kIdleTimer);
}

void ClampButtonTiming(TesterState& state) {
  state.ButtonDelay = std::clamp(state.ButtonDelay, 1, kLongestButtonDelay);
  state.ButtonRepeat = std::clamp(state.ButtonRepeat, 1, kLongestButtonRepeat);
}

void ApplyButtonTiming(TesterState& state, int32_t& counter, fw::WindowPrimitives& window) {
  ClampButtonTiming(state);
  const int32_t last = window.LastField();
  for (counter = window.FirstField(); counter <= last; ++counter) {
    if (window.ReadProperty(counter, kPropertyType) != kTypeButton) continue;
    fw::AssignNumber(window, counter, kPropertyImmediate, 1);
    fw::AssignNumber(window, counter, kPropertyRepeatDelay, state.ButtonDelay);
    fw::AssignNumber(window, counter, kPropertyRepeatInterval, state.ButtonRepeat);
  }
}

}  // namespace qor::app
