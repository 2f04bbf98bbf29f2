// A class built on "button" the way the window runtime builds its immediate buttons: it
// keeps the button's procedure, watches BM_SETSTATE for the pressed look, repeats on a
// timer while the button is pressed and holds the capture.
#include "tests/window/platform/system_controls/control_fixture.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/timers.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/system_controls/button_control.h"

namespace qor::ui::testing {
namespace {

constexpr const char* kRepeatingClass = "QorRepeatingTest";
WindowProc buttonProc = nullptr;
int accepted = 0;
bool repeating = false;

LResult RepeatingProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  if (message == BM_SETSTATE) {
    LResult result = CallWindowProc(buttonProc, hwnd, message, wParam, lParam);
    if (wParam && !repeating) {
      ++accepted;
      repeating = true;
      SetTimer(hwnd, 1, 500);
    } else if (!wParam) {
      repeating = false;
      KillTimer(hwnd, 1);
    }
    return result;
  }
  if (message == WM_TIMER && wParam == 1) {
    SetTimer(hwnd, 1, 100);
    bool pushed = (SendMessage(hwnd, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    if (pushed && GetCapture() == hwnd) ++accepted;
    return 0;
  }
  return CallWindowProc(buttonProc, hwnd, message, wParam, lParam);
}

class RepeatingButton : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    std::optional<WindowClass> base = GetClassInfo("button");
    ASSERT_TRUE(base);
    buttonProc = base->proc;
    WindowClass repeating = *base;
    repeating.name = kRepeatingClass;
    repeating.proc = RepeatingProc;
    repeating.extraBytes += sizeof(intptr_t);
    ASSERT_TRUE(RegisterClass(repeating));
    accepted = 0;
    button = MakeControl(kRepeatingClass, "rol", BS_PUSHBUTTON, {20, 20, 100, 46}, 0x4000 + 40);
  }
  void TearDown() override {
    ControlTest::TearDown();
    EXPECT_TRUE(UnregisterClass(kRepeatingClass));
  }
  Hwnd button;
};

TEST_F(RepeatingButton, RepeatsAfterTheDelayThenAtTheIntervalUntilReleased) {
  host.MouseDown(button, {10, 10});
  host.Pump();
  EXPECT_EQ(accepted, 1);
  host.Advance(499);
  EXPECT_EQ(accepted, 1);
  host.Advance(1);
  EXPECT_EQ(accepted, 2);
  host.Advance(300);
  EXPECT_EQ(accepted, 5);
  host.MouseUp(button, {10, 10});
  host.Pump();
  host.Advance(1000);
  EXPECT_EQ(accepted, 5);
  // The click itself still reaches the parent, for the runtime to ignore.
  Sequence log = Take();
  EXPECT_NE(std::find(log.begin(), log.end(), "main WM_COMMAND 16424 0 rol"), log.end());
}

TEST_F(RepeatingButton, DraggingOffStopsTheRepeatsAndReleasingOutsideAddsNone) {
  host.MouseDown(button, {10, 10});
  host.Pump();
  host.Advance(600);
  EXPECT_EQ(accepted, 3);
  host.MouseMove(button, {200, 10});
  host.Pump();
  host.Advance(1000);
  EXPECT_EQ(accepted, 3);
  host.MouseUp(button, {200, 10});
  host.Pump();
  host.Advance(1000);
  EXPECT_EQ(accepted, 3);
  Sequence log = Take();
  EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& e) { return e.starts_with("main WM_COMMAND"); }),
            0);
}

TEST_F(RepeatingButton, SpaceHeldRepeatsToo) {
  SetFocus(button);
  host.KeyDown(VK_SPACE, ' ');
  host.Pump();
  host.Advance(700);
  EXPECT_EQ(accepted, 4);
  host.KeyUp(VK_SPACE);
  host.Pump();
  host.Advance(500);
  EXPECT_EQ(accepted, 4);
}

}  // namespace
}  // namespace qor::ui::testing
