// The spin kind in an open window: steps by the arrows and by Up and Down, the limits
// and the variable's type, typed values, the arrows' repeat on the virtual clock, and
// stepping through a list.
#include <gtest/gtest.h>

#include <string>

#include "tests/window/controls/entry_fixture.h"
#include "window/accept/field_updates.h"
#include "window/events/event_queries.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window_geometry.h"

namespace qor::win::testing {
namespace {

constexpr uint8_t kLong = 6, kUlong = 7;

class Spin : public EntryTest {
 protected:
  void Key(int32_t number, uint32_t key) {
    ui::SetFocus(FieldOf(number));
    host.Press(key);
  }
  // A point on the upper (up) or lower (down) arrow.
  ui::Point Arrow(int32_t number, bool up) {
    ui::Rect box = ui::GetClientRect(SpinOf(number)->Arrows());
    return {box.right / 2, up ? box.bottom / 4 : box.bottom * 3 / 4};
  }
};

TEST_F(Spin, AtItsLimitsAStepPostsNothingAndOnlySelectsTheText) {
  int32_t length = 90;
  Open({SpinBox(1, "n-14", kLong, 4, 1, 90)}, {Use(length, kLong)});
  Run({{10, [&] { Key(1, ui::VK_UP); }}, {20, [&] { Key(1, ui::VK_DOWN); }}, {30, [&] { Key(1, ui::VK_UP); }}});
  EXPECT_EQ(After(), (Seq{"20 EVENT:NewSelection 1", "30 EVENT:NewSelection 1"}));
  EXPECT_EQ(length, 90);
  length = 1;
  Run({{10, [&] { Key(1, ui::VK_DOWN); }}});
  EXPECT_EQ(After().size(), 2u);  // nothing new
  EXPECT_EQ(EntryOf(1)->FieldText(), "1");
}

TEST_F(Spin, WithoutLimitsItStepsFreelyBothWaysByItsStep) {
  int32_t value = 0;
  Open({SpinBox(1, "n-14", kLong, 4, 0, 0, 5)}, {Use(value, kLong)});
  Run({{10, [&] { Key(1, ui::VK_DOWN); }}, {20, [&] { Key(1, ui::VK_DOWN); }}});
  EXPECT_EQ(value, -10);
  Run({{10, [&] { Key(1, ui::VK_UP); }}, {20, [&] { Key(1, ui::VK_UP); }}, {30, [&] { Key(1, ui::VK_UP); }}});
  EXPECT_EQ(value, 5);
  EXPECT_EQ(EntryOf(1)->FieldText(), "5");
}

TEST_F(Spin, TheRegisterSpinHoldsAtWhatItsUnsignedTypeHolds) {
  uint32_t value = 4294967295u;
  Open({SpinBox(1, "n_10", kUlong, 4, -9999999999, 9999999999)}, {Use(value, kUlong)});
  Run({{10, [&] { Key(1, ui::VK_UP); }}});
  EXPECT_EQ(value, 4294967295u);
  value = 0;
  Run({{10, [&] { Key(1, ui::VK_DOWN); }}});
  EXPECT_EQ(value, 0u);
  EXPECT_EQ(After(), (Seq{}));
}

TEST_F(Spin, ATypedValueOutsideTheLimitsIsRejectedAndAValidOneIsTheBaseOfTheNextStep) {
  int32_t delay = 20, other = 0;
  Open({SpinBox(1, "n-14", kLong, 4, 1, 1000), SpinBox(2, "n-14", kLong, 4, 1, 500)},
       {Use(delay, kLong), Use(other, kLong)});
  auto retype = [&](const std::string& text) {
    ui::SetFocus(FieldOf(1));
    ui::SendMessage(FieldOf(1), ui::EM_SETSEL, 0, static_cast<ui::LParam>(-1));
    host.Type(text);
  };
  Run({{10, [&] { retype("1001"); }}, {20, [&] { ui::SetFocus(FieldOf(2)); }},
       {30, [&] { retype("50"); }}, {40, [&] { host.Press(ui::VK_UP); }}});
  EXPECT_EQ(After(), (Seq{"20 EVENT:Rejected 1 at 1",
                          "20 EVENT:Selected 2", "30 EVENT:Selected 1", "40 EVENT:NewSelection 1"}));
  EXPECT_EQ(delay, 51);
  EXPECT_EQ(ui::GetFocus(), FieldOf(1));
}

TEST_F(Spin, HeldArrowStepsAtOnceAfter400MsThenEvery50MsAndFocusesTheField) {
  int32_t first = 10, second = 3;
  Open({SpinBox(1, "n-14", kLong, 4, 1, 90), SpinBox(2, "n-14", kLong, 4, 1, 90)},
       {Use(first, kLong), Use(second, kLong)});
  Run({{100, [&] { host.MouseDown(SpinOf(2)->Arrows(), Arrow(2, true)); }},
       {620, [&] { host.MouseUp(SpinOf(2)->Arrows(), Arrow(2, true)); }}});
  EXPECT_EQ(After(), (Seq{"100 EVENT:Selected 2", "100 EVENT:NewSelection 2",
                          "500 EVENT:NewSelection 2", "550 EVENT:NewSelection 2", "600 EVENT:NewSelection 2"}));
  EXPECT_EQ(second, 7);
  EXPECT_EQ(ui::GetFocus(), FieldOf(2));
}

TEST_F(Spin, AListSpinStepsToTheEntryBeforeOrAfterAndHoldsAtTheEnds) {
  EXPECT_EQ(ListStep(1, 3, +1), 0);
  EXPECT_EQ(ListStep(0, 3, +1), 0);
  EXPECT_EQ(ListStep(1, 3, -1), 2);
  EXPECT_EQ(ListStep(2, 3, -1), 2);
  EXPECT_EQ(ListStep(-1, 3, -1), 0);
  char day[3] = {'T', 'u', 'e'};
  Open({SpinBox(1, "s3", 18, 3, 0, 0)}, {UseText(day, 3)});
  SpinOf(1)->SetList({"Mon", "Tue", "Wed"});
  Run({{10, [&] { Key(1, ui::VK_DOWN); }}, {20, [&] { Key(1, ui::VK_DOWN); }}});
  EXPECT_EQ(std::string(day, 3), "Wed");
  EXPECT_EQ(After(), (Seq{"10 EVENT:NewSelection 1"}));
}

}  // namespace
}  // namespace qor::win::testing
