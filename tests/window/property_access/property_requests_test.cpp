// Requests that address nothing or cannot apply, the index rule, the targets and the
// run-time error of a window that is not open.
#include <gtest/gtest.h>

#include "runtime/base/error_state.h"
#include "runtime/values/value_stack.h"
#include "tests/window/property_access/property_fixture.h"
#include "window/detail/window_object.h"
#include "window/platform/core/window_attributes.h"
#include "window/properties/property_numbers.h"
#include "window/property_access/property_dispatch.h"
#include "window/property_access/property_entry_points.h"
#include "window/property_access/property_target.h"
#include "window/windows/window_lifecycle.h"

namespace qor::win::testing {
namespace {

using enum PropertyResult;

TEST_F(PropertyTest, TheIndexFoldsIntoNumbersBelowTheIndexedRange) {
  OpenSample();
  ASSERT_EQ(Set(1, prop::kWidth, "44"), kDone);
  EXPECT_EQ(Get(1, prop::kX, 3), "44");  // index 3 addresses x + 2, the width
  EXPECT_EQ(Set(1, prop::kX, "45", 4), kDone);  // x + 3, the height
  EXPECT_EQ(Get(1, prop::kHeight), "45");
  EXPECT_EQ(Get(1, prop::kX, 1), Get(1, prop::kX));  // index 1 is the number itself
  // A fold past the last folded number addresses nothing, not the indexed range.
  EXPECT_EQ(Get(1, prop::kLastFolded, 2), "");
  EXPECT_EQ(LastPropertyResult(), kUnknown);
  EXPECT_EQ(Get(1, 0x7D07, 5), "");
  EXPECT_EQ(LastPropertyResult(), kUnknown);
}

// From 0x7D00 up the index stays apart: alert keys are 256 slots of one number.
TEST_F(PropertyTest, AlertKeysAreSlotsOfOneNumberGivenBySeparateIndex) {
  OpenSample();
  EXPECT_EQ(Set(1, prop::kAlertKey, "114", 5), kDone);  // slot 4
  EXPECT_EQ(Set(1, prop::kAlertKey, "370", 256), kDone);  // slot 255: Shift+F3
  EXPECT_EQ(Get(1, prop::kAlertKey, 5), "114");
  EXPECT_EQ(Get(1, prop::kAlertKey, 256), "370");
  EXPECT_EQ(Get(1, prop::kAlertKey, 6), "0");
  EXPECT_EQ(Set(1, prop::kAlertKey, "1", 257), kBadValue);     // no slot 256
  EXPECT_EQ(Set(1, prop::kAlertKey, "2048", 5), kBadValue);    // more than a key code
  EXPECT_EQ(Set(0, prop::kAlertKey, "114", 5), kWrongKind);    // windows have none
  EXPECT_EQ(Set(1, prop::kAlertKey, "0", 5), kDone);           // cleared
  EXPECT_EQ(Get(1, prop::kAlertKey, 5), "0");
  EXPECT_EQ(Get(1, prop::kAlertKey, 256), "370");
}

TEST_F(PropertyTest, SelectorsLoseTrailingBlanksAndUnknownNamesAnswerNothing) {
  OpenSample();
  EXPECT_EQ(GetNamed(1, "31745   "), "9");
  EXPECT_EQ(GetNamed(1, "  31745"), "9");
  EXPECT_EQ(GetNamed(1, "KIND"), "");
  EXPECT_EQ(LastPropertyResult(), kUnknown);
  EXPECT_EQ(SetNamed(1, "KIND", "3"), kUnknown);
  EXPECT_EQ(rt::StrCount(), 0);
  EXPECT_EQ(GetNamed(1, "1234"), "");  // a number below 0x7000 addresses no property
  EXPECT_EQ(LastPropertyResult(), kUnknown);
}

TEST_F(PropertyTest, ANamedSelectorReachesTheSameHandlerAsItsNumber) {
  OpenSample();
  EXPECT_EQ(GetNamed(1, "type"), "9");
  EXPECT_EQ(SetNamed(1, " Delay  ", "30"), kDone);
  EXPECT_EQ(Get(1, prop::kRepeatDelay), "30");  // stored x10, read /10, as by number
  EXPECT_EQ(Set(1, prop::kRepeatInterval, "7"), kDone);
  EXPECT_EQ(GetNamed(1, "REPEAT"), "7");
  EXPECT_EQ(SetNamed(0, "TIMER", "75"), kDone);
  EXPECT_EQ(GetNamed(0, "timer"), "75");
  EXPECT_EQ(SetNamed(2, "XPOS", "17"), kDone);
  EXPECT_EQ(GetNamed(2, "xpos"), "17");
  EXPECT_EQ(GetNamed(2, "XPOS", 3), Get(2, prop::kWidth));  // the index rule applies to names too
  EXPECT_EQ(SetNamed(1, "TYPE", "8"), kWrongKind);  // read-only by name as by number
  EXPECT_EQ(SetNamed(1, "TIMER", "8"), kWrongKind);
  EXPECT_EQ(rt::StrCount(), 0);
}

TEST_F(PropertyTest, ASetThatCannotApplyChangesNothingAndSaysWhy) {
  OpenSample();
  rt::SetError(33);
  ASSERT_EQ(Set(1, prop::kX, "10"), kDone);
  struct Case {
    int32_t control;
    int32_t number;
    const char* value;
    PropertyResult result;
  };
  const Case cases[] = {
      {99, prop::kX, "1", kNoControl},          {1, 0x7123, "1", kUnknown},
      {1, prop::kType, "8", kWrongKind},        {1, prop::kTextAgain, "x", kWrongKind},
      {2, prop::kRepeatDelay, "30", kWrongKind},  // a prompt has no repeat
      {1, prop::kTimer, "10", kWrongKind},      // a window property on a control
      {0, prop::kImmediate, "1", kWrongKind},   // a control property on the window
      {1, prop::kX, "12a", kBadValue},          {1, prop::kX, "99999999999", kBadValue},
      {1, prop::kFontSize, "0", kBadValue},     {1, prop::kFontFace, "   ", kBadValue},
      {1, prop::kFontColour, "4294967296", kBadValue},  {0, prop::kWidth, "2147483648", kBadValue},
      {0, prop::kTimer, "5000000000", kBadValue},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.control << " " << std::hex << c.number << " " << c.value);
    EXPECT_EQ(Set(c.control, c.number, c.value), c.result);
  }
  EXPECT_EQ(Get(1, prop::kX), "10");
  EXPECT_EQ(Get(1, prop::kFontColour), "-1");
  EXPECT_EQ(Get(0, prop::kTimer), "0");
  EXPECT_EQ(rt::ErrorCode(), 33);
  EXPECT_EQ(rt::StrCount(), 0);
  bool traced = false;
  for (const std::string& line : trace.lines) traced |= line == "Property set 7C02 control 99: no control";
  EXPECT_TRUE(traced);
}

TEST_F(PropertyTest, ReadsOfMissingControlsOrUnknownNumbersAreEmpty) {
  OpenSample();
  EXPECT_EQ(Get(77, prop::kType), "");
  EXPECT_EQ(LastPropertyResult(), kNoControl);
  EXPECT_EQ(Get(1, 0x7C50), "");
  EXPECT_EQ(Get(0, prop::kType), "");  // the window has no type
  EXPECT_EQ(LastPropertyResult(), kWrongKind);
  EXPECT_EQ(Get(1, prop::kBehind), "");  // set only
  EXPECT_EQ(rt::StrCount(), 0);
}

TEST_F(PropertyTest, BuiltInObjectsAnswerNoControlProperties) {
  OpenSample();
  for (intptr_t target : {kTargetSystem, kTargetSecondObject}) {
    EXPECT_EQ(Get(1, prop::kType, 0, target), "");
    EXPECT_EQ(LastPropertyResult(), kNoControl);
    EXPECT_EQ(Get(0, prop::kText, 0, target), "");
    EXPECT_EQ(LastPropertyResult(), kWrongKind);
    EXPECT_EQ(Set(1, prop::kImmediate, "1", 0, target), kNoControl);
  }
  EXPECT_EQ(Get(1, prop::kImmediate), "0");
}

TEST_F(PropertyTest, AWindowReferenceIsLookedUpAmongLiveWindows) {
  Window* first = OpenSample();
  Window* other = PrepareSmall(SmallWindow("OTHER$WINDOW", {Button(8)}));
  OpenWindow(other);  // now the target window
  auto reference = reinterpret_cast<intptr_t>(first);
  EXPECT_EQ(Get(8, prop::kType), "9");
  EXPECT_EQ(Get(8, prop::kType, 0, reference), "");
  EXPECT_EQ(Get(1, prop::kType, 0, reference), "9");
  EXPECT_EQ(Set(0, prop::kText, "First", 0, reference), kDone);
  EXPECT_EQ(ui::GetWindowText(first->handle), "First");
}

TEST_F(PropertyDeathTest, NoWindowOrAClosedOneIsError536) {
  EXPECT_EXIT(Get(1, prop::kType), ::testing::ExitedWithCode(2), "Window is not open");
  Window* closed = OpenSample();
  ASSERT_EQ(Get(1, prop::kType, 0, reinterpret_cast<intptr_t>(closed)), "9");
  CloseWindow(closed);
  auto reference = reinterpret_cast<intptr_t>(closed);
  EXPECT_EXIT(Get(1, prop::kType, 0, reference), ::testing::ExitedWithCode(2), "Window is not open");
  EXPECT_EXIT(Set(1, prop::kX, "1", 0, reference), ::testing::ExitedWithCode(2), "Window is not open");
}

TEST_F(PropertyDeathTest, ANumberThatNamesNoWindowIsError536NeverFollowed) {
  OpenSample();
  ASSERT_EQ(Get(1, prop::kType), "9");
  int notAWindow = 0;
  for (intptr_t reference : {reinterpret_cast<intptr_t>(&notAWindow), intptr_t{12345}, intptr_t{-2}}) {
    EXPECT_EXIT(Get(1, prop::kType, 0, reference), ::testing::ExitedWithCode(2), "Window is not open");
  }
}

}  // namespace
}  // namespace qor::win::testing
