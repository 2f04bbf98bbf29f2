// The "Static" class: text placed left, centred or right, the parent's colours, and no
// input of its own.
#include "tests/window/platform/control_fixture.h"
#include "window/platform/brush.h"
#include "window/platform/device_context.h"
#include "window/platform/message_loop.h"
#include "window/platform/static_control.h"
#include "window/platform/system_colors.h"
#include "window/platform/window_attributes.h"
#include "window/platform/window_class.h"
#include "window/platform/window_geometry.h"

namespace qor::ui::testing {
namespace {

constexpr ColorRef kFace = RGB(192, 192, 192);

class StaticTest : public ControlTest {
 protected:
  // The columns in which a row band of a control has any pixel other than `background`.
  std::pair<int, int> InkColumns(Hwnd control, ColorRef background) {
    Rect client = GetClientRect(control);
    int first = -1, last = -1;
    for (int x = 0; x < client.right; ++x) {
      for (int y = 0; y < client.bottom; ++y) {
        if (PixelOf(control, x, y) == background) continue;
        if (first < 0) first = x;
        last = x;
        break;
      }
    }
    return {first, last};
  }
};

TEST_F(StaticTest, TextIsPlacedLeftCentredOrRightByTheStyle) {
  Hwnd left = MakeControl(kStaticClass, "Format:", SS_LEFT, {10, 10, 210, 30}, 1);
  Hwnd centre = MakeControl(kStaticClass, "Format:", SS_CENTER, {10, 40, 210, 60}, 2);
  Hwnd right = MakeControl(kStaticClass, "Format:", SS_RIGHT, {10, 70, 210, 90}, 3);
  host.Pump();
  auto [leftFirst, leftLast] = InkColumns(left, kFace);
  auto [centreFirst, centreLast] = InkColumns(centre, kFace);
  auto [rightFirst, rightLast] = InkColumns(right, kFace);
  ASSERT_GE(leftFirst, 0);
  EXPECT_LE(leftFirst, 2);
  int width = leftLast - leftFirst;
  EXPECT_NEAR(centreLast - centreFirst, width, 1);
  EXPECT_NEAR(centreFirst + width / 2, 100, 3);
  EXPECT_GE(rightLast, 196);
  EXPECT_NEAR(rightLast - rightFirst, width, 1);
}

TEST_F(StaticTest, ParentChoosesTextColourAndBackground) {
  static constexpr ColorRef kRed = RGB(255, 0, 0);
  static constexpr ColorRef kYellow = RGB(255, 255, 0);
  Log().Heed(WM_CTLCOLORSTATIC);
  Log().react = [](Hwnd, uint32_t message, WParam wParam, LParam) -> std::optional<LResult> {
    if (message != WM_CTLCOLORSTATIC) return std::nullopt;
    SetTextColor(reinterpret_cast<Hdc>(wParam), kRed);
    return static_cast<LResult>(CreateSolidBrush(kYellow));
  };
  Hwnd rule = MakeControl(kStaticClass, "To SET", SS_LEFT, {10, 10, 110, 30}, 62);
  SendMessage(rule, WM_SETTEXT, 0, reinterpret_cast<LParam>("To SET, RESET"));
  Sequence log = Take();
  EXPECT_NE(std::find(log.begin(), log.end(), "main WM_CTLCOLORSTATIC"), log.end());
  EXPECT_EQ(PixelOf(rule, 99, 19), kYellow);
  // Antialiased red ink on yellow: red stays full, green drops well below half.
  bool red = false;
  for (int x = 0; x < 60 && !red; ++x) {
    for (int y = 0; y < 20 && !red; ++y) {
      ColorRef c = PixelOf(rule, x, y);
      red = GetRValue(c) == 255 && GetGValue(c) < 100 && GetBValue(c) == 0;
    }
  }
  EXPECT_TRUE(red);
}

TEST_F(StaticTest, MouseGoesThroughToTheParentAndDialogsSeeNoInput) {
  Hwnd label = MakeControl(kStaticClass, "V1:", SS_LEFT, {10, 10, 60, 30}, 9);
  EXPECT_EQ(WindowFromPoint(ClientToScreen(label, {5, 5})), main);
  EXPECT_EQ(SendMessage(label, WM_GETDLGCODE, 0, 0), LResult(DLGC_STATIC));
}

TEST_F(StaticTest, ClassesAreThereOnFirstUseAndCanBeBuiltOn) {
  std::optional<WindowClass> base = GetClassInfo("STATIC");
  ASSERT_TRUE(base);
  EXPECT_EQ(base->name, "Static");
  WindowClass prompt = *base;
  prompt.name = "QorPromptTest";
  prompt.extraBytes += sizeof(intptr_t);
  ASSERT_TRUE(RegisterClass(prompt));
  Hwnd made = Make("made", WS_CHILD | WS_VISIBLE, main, {0, 0, 50, 20}, "QorPromptTest");
  ASSERT_TRUE(made);
  EXPECT_TRUE(SetWindowExtra(made, base->extraBytes, 1234));
  host.Pump();
  EXPECT_EQ(GetWindowExtra(made, base->extraBytes), 1234);
  DestroyWindow(made);
  EXPECT_TRUE(UnregisterClass("QorPromptTest"));
}

}  // namespace
}  // namespace qor::ui::testing
