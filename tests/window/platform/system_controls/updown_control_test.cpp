// The "UpDown" class: a spin box's arrows step at once, after 400 ms and then every
// 50 ms while held, skip steps while the pointer is off the arrow, never take the focus,
// and look pressed while held.
#include "tests/window/platform/system_controls/control_fixture.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/system_controls/button_control.h"
#include "window/platform/system_controls/updown_control.h"

namespace qor::ui::testing {
namespace {

class UpDownTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    arrows = MakeControl(kUpDownClass, "arrows", 0, {150, 20, 166, 42}, 12);
    start = host.Now();
    Log().react = [this](Hwnd, uint32_t message, WParam, LParam lParam) -> std::optional<LResult> {
      if (message == WM_NOTIFY) {
        const auto* step = reinterpret_cast<const UpDownStep*>(lParam);
        if (step->header.code == UDN_DELTAPOS && step->header.from == arrows) {
          steps.push_back(std::to_string(step->delta) + "@" + std::to_string(host.Now() - start));
        }
      }
      return std::nullopt;
    };
  }
  void TearDown() override {
    Log().react = nullptr;
    ControlTest::TearDown();
  }

  Hwnd arrows;
  uint64_t start = 0;
  Sequence steps;
};

TEST_F(UpDownTest, APressStepsAtOnceAfterTheDelayAndThenAtTheInterval) {
  host.MouseDown(arrows, {8, 3});
  host.Pump();
  host.Advance(520);
  host.MouseUp(arrows, {8, 3});
  host.Pump();
  host.Advance(500);
  EXPECT_EQ(steps, (Sequence{"1@0", "1@400", "1@450", "1@500"}));
  EXPECT_FALSE(GetCapture());
}

TEST_F(UpDownTest, TheLowerArrowStepsDown) {
  host.Click(arrows, {8, 18});
  host.Pump();
  EXPECT_EQ(steps, (Sequence{"-1@0"}));
}

TEST_F(UpDownTest, StepsAreSkippedWhileThePointerIsOffTheArrow) {
  host.MouseDown(arrows, {8, 3});
  host.Pump();
  host.Advance(420);
  host.MouseMove(arrows, {8, 18});  // onto the other arrow: off the held one
  host.Pump();
  host.Advance(100);
  host.MouseMove(arrows, {8, 4});
  host.Pump();
  host.Advance(60);
  EXPECT_EQ(steps, (Sequence{"1@0", "1@400", "1@550"}));
}

TEST_F(UpDownTest, LosingTheCaptureOrBeingDisabledEndsTheRepeats) {
  host.MouseDown(arrows, {8, 3});
  host.Pump();
  ReleaseCapture();
  host.Advance(1000);
  EXPECT_EQ(steps, (Sequence{"1@0"}));
  host.MouseDown(arrows, {8, 3});
  host.Pump();
  EnableWindow(arrows, false);
  host.Advance(1000);
  EXPECT_EQ(steps.size(), 2u);
}

TEST_F(UpDownTest, NeverTakesTheFocus) {
  Hwnd other = MakeControl(kButtonClass, "other", 0, {20, 20, 100, 40}, 13);
  SetFocus(other);
  host.Click(arrows, {8, 3});
  host.Pump();
  EXPECT_EQ(GetFocus(), other);
}

TEST_F(UpDownTest, TheHeldArrowLooksPressedUntilThePointerLeavesIt) {
  // At rest the upper arrow's top left is the light side of a raised edge.
  EXPECT_EQ(PixelOf(arrows, 0, 0), GetSysColor(COLOR_3DLIGHT));
  host.MouseDown(arrows, {8, 3});
  host.Pump();
  EXPECT_EQ(PixelOf(arrows, 0, 0), GetSysColor(COLOR_3DSHADOW));
  EXPECT_EQ(PixelOf(arrows, 0, 11), GetSysColor(COLOR_3DLIGHT));  // the lower arrow stays raised
  host.MouseMove(arrows, {8, 18});
  host.Pump();
  EXPECT_EQ(PixelOf(arrows, 0, 0), GetSysColor(COLOR_3DLIGHT));
  host.MouseUp(arrows, {8, 18});
  host.Pump();
  EXPECT_EQ(PixelOf(arrows, 0, 0), GetSysColor(COLOR_3DLIGHT));
}

}  // namespace
}  // namespace qor::ui::testing
