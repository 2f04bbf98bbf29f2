// Every property number set and read back through generated code's entry points.
#include <gtest/gtest.h>

#include "tests/window/property_access/property_fixture.h"
#include "window/controls/control.h"
#include "window/detail/window_object.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window_attributes.h"
#include "window/properties/property_numbers.h"
#include "window/properties/property_table.h"
#include "window/property_access/property_dispatch.h"
#include "window/windows/control_lookup.h"

namespace qor::win::testing {
namespace {

using enum PropertyResult;

struct RoundTrip {
  int32_t control;
  int32_t number;
  const char* value;
  const char* readBack;
};

// In order: later rows may read what earlier ones set.
constexpr RoundTrip kRoundTrips[] = {
    {1, prop::kText, "Go on", "Go on"},
    {1, prop::kTextAgain, nullptr, "Go on"},
    {1, prop::kX, "12", "12"},
    {1, prop::kY, "-3", "-3"},
    {1, prop::kWidth, "40", "40"},
    {1, prop::kHeight, "14", "14"},
    {1, prop::kAutoWidth, nullptr, "0"},
    {1, prop::kWidth, "-2147483648", "-2147483648"},  // automatic
    {1, prop::kAutoWidth, nullptr, "1"},
    {1, prop::kAutoWidth, "0", "0"},
    {1, prop::kAutoHeight, "7", "1"},
    {2, prop::kLeft, nullptr, "1"},  // no justification bit reads as left
    {2, prop::kRight, "1", "1"},
    {2, prop::kLeft, nullptr, "0"},
    {2, prop::kRight, "0", "1"},  // zero leaves the field alone
    {2, prop::kCentred, "1", "1"},
    {2, prop::kDecimal, "5", "1"},
    {2, prop::kCentred, nullptr, "0"},
    {2, prop::kRightOffset, "6", "6"},
    {2, prop::kRight, nullptr, "1"},
    {2, prop::kLeftOffset, nullptr, "0"},
    {2, prop::kCentredOffset, "2", "2"},
    {2, prop::kLeftOffset, "0", "0"},
    {2, prop::kDecimalOffset, "4", "4"},
    {2, prop::kFontFace, "Courier New  ", "Courier New"},
    {2, prop::kFontSize, "12", "12"},
    {2, prop::kFontColour, nullptr, "-1"},  // the default colour
    {2, prop::kFontColour, "255", "255"},
    {2, prop::kFontColour, "4294967295", "-1"},
    {2, prop::kFlag2000, "1", "1"},
    {2, prop::kFlag1, "1", "1"},
    {2, prop::kFlag1000, "3", "1"},
    {2, prop::kFlag1000, "0", "0"},
    {2, prop::kImmediate, "1", "1"},
    {2, prop::kSkip, "1", "1"},
    {2, prop::kType, nullptr, "10"},
    {1, prop::kType, nullptr, "9"},
    {3, prop::kType, nullptr, "13"},
    {1, prop::kRepeatDelay, nullptr, "0"},
    {1, prop::kRepeatDelay, "30", "30"},
    {1, prop::kRepeatInterval, "10", "10"},
    {1, prop::kRepeatDelay, "-5", "0"},
    {1, prop::kRepeatInterval, "100000", "65535"},
    {4, prop::kParent, nullptr, "3"},
    {6, prop::kParent, nullptr, "5"},
    {1, prop::kParent, nullptr, "0"},
    {1, prop::kParent, "3", "3"},
    {1, prop::kParent, "0", "0"},
    {0, prop::kText, "Renamed", "Renamed"},
    {0, prop::kTextAgain, nullptr, "Renamed"},
    {0, prop::kX, "20", "20"},
    {0, prop::kY, "30", "30"},
    {0, prop::kWidth, "150", "150"},
    {0, prop::kHeight, "70", "70"},
    {0, prop::kFontFace, "Arial", "Arial"},
    {0, prop::kFontSize, "9", "9"},
    {0, prop::kFontColour, "65280", "65280"},
    {0, prop::kTimer, "75", "75"},
    {0, prop::kTimer, "0", "0"},
    {0, prop::kCompleting, nullptr, "0"},
};

TEST_F(PropertyTest, EveryNumberReadsBackWhatWasSet) {
  OpenSample();
  for (const RoundTrip& row : kRoundTrips) {
    SCOPED_TRACE(::testing::Message() << "control " << row.control << " property " << std::hex << row.number);
    if (row.value) {
      EXPECT_EQ(Set(row.control, row.number, row.value), kDone);
    }
    EXPECT_EQ(Get(row.control, row.number), row.readBack);
  }
}

TEST_F(PropertyTest, EveryReadableNumberOfTheTableIsAnsweredByWindowOrControl) {
  OpenSample();
  for (const PropertyInfo& info : AllProperties()) {
    if (!info.Readable()) continue;
    SCOPED_TRACE(::testing::Message() << std::hex << info.number);
    int32_t control = (info.scope & kScopeButton) ? 1 : (info.scope & kScopeControl) ? 2 : 0;
    Get(control, info.number);
    EXPECT_EQ(LastPropertyResult(), kDone);
  }
}

TEST_F(PropertyTest, SetsReachThePlatformWindow) {
  OpenSample();
  Control* prompt = FindControl(*window, 2);
  ASSERT_NE(prompt, nullptr);
  EXPECT_EQ(Set(2, prop::kSkip, "1"), kDone);
  EXPECT_EQ(ui::GetWindowStyle(prompt->Handle()) & ui::WS_TABSTOP, 0u);
  EXPECT_EQ(Set(2, prop::kSkip, "0"), kDone);
  EXPECT_NE(ui::GetWindowStyle(prompt->Handle()) & ui::WS_TABSTOP, 0u);
  EXPECT_EQ(SetString(2, prop::kText, "Surname:  "), kDone);
  EXPECT_EQ(ui::GetWindowText(prompt->Handle()), "Surname:  ");
  EXPECT_EQ(SetString(0, prop::kText, "Title"), kDone);
  EXPECT_EQ(ui::GetWindowText(window->handle), "Title");
}

}  // namespace
}  // namespace qor::win::testing
