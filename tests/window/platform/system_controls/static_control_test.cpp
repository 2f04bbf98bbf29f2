// The "Static" class: text placed left, centred or right, the parent's colours, and no
// input of its own.
#include "tests/window/platform/system_controls/control_fixture.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/draw/brush.h"
#include "window/platform/draw/device_context.h"
#include "window/platform/draw/font.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/system_controls/static_control.h"

namespace qor::ui::testing {
namespace {

constexpr ColorRef kFace = RGB(192, 192, 192);

class StaticTest : public ControlTest {
 protected:
  Rect Ink(Hwnd text) { return InkIn(text, GetClientRect(text), kFace); }
};

TEST_F(StaticTest, TextIsPlacedLeftCentredOrRightByTheStyle) {
  Hwnd left = MakeControl(kStaticClass, "Format:", SS_LEFT, {10, 10, 210, 30}, 1);
  Hwnd centre = MakeControl(kStaticClass, "Format:", SS_CENTER, {10, 40, 210, 60}, 2);
  Hwnd right = MakeControl(kStaticClass, "Format:", SS_RIGHT, {10, 70, 210, 90}, 3);
  host.Pump();
  Rect leftInk = Ink(left), centreInk = Ink(centre), rightInk = Ink(right);
  ASSERT_FALSE(leftInk.IsEmpty());
  EXPECT_LE(leftInk.left, 2);
  EXPECT_NEAR(centreInk.Width(), leftInk.Width(), 1);
  EXPECT_NEAR(centreInk.left + centreInk.Width() / 2, 100, 3);
  EXPECT_GE(rightInk.right, 197);
  EXPECT_NEAR(rightInk.Width(), leftInk.Width(), 1);
}

TEST_F(StaticTest, LongTextBreaksIntoLinesUnlessTheStyleSaysNot) {
  const char* rule = "To SET, RESET, and COMPLEMENT a bit, V2 must be in the range of 0 to 31";
  Hwnd wrapped = MakeControl(kStaticClass, rule, SS_LEFT, {10, 10, 160, 90}, 62);
  Hwnd single = MakeControl(kStaticClass, rule, SS_LEFTNOWORDWRAP, {10, 100, 160, 180}, 63);
  host.Pump();
  Rect many = Ink(wrapped), one = Ink(single);
  EXPECT_GT(many.Height(), 2 * one.Height());
  EXPECT_LE(many.right, 150);
  EXPECT_GE(one.right, 149);  // cut at the edge
}

TEST_F(StaticTest, AmpersandsMarkMnemonicsUnlessNoPrefix) {
  Hwnd marked = MakeControl(kStaticClass, "A&B", SS_LEFT, {10, 10, 110, 30}, 1);
  Hwnd plain = MakeControl(kStaticClass, "A&B", SS_LEFT | SS_NOPREFIX, {10, 40, 110, 60}, 2);
  host.Pump();
  EXPECT_GT(Ink(plain).Width(), Ink(marked).Width() + 4);  // the "&" shows
  EXPECT_GT(Ink(marked).bottom, Ink(plain).bottom);       // the underline under "B"
}

TEST_F(StaticTest, TextIsDrawnInTheFontSetOnIt) {
  Hwnd small = MakeControl(kStaticClass, "Hex", SS_LEFT, {10, 10, 110, 50}, 4);
  Hwnd large = MakeControl(kStaticClass, "Hex", SS_LEFT, {120, 10, 220, 50}, 5);
  FontHandle font = CreateFontIndirect(LogFont{-24, FW_BOLD, false, "Arial"});
  ASSERT_TRUE(font);
  SendMessage(large, WM_SETFONT, reinterpret_cast<WParam>(font.get()), 1);
  EXPECT_EQ(SendMessage(large, WM_GETFONT, 0, 0), reinterpret_cast<LResult>(font.get()));
  EXPECT_EQ(SendMessage(small, WM_GETFONT, 0, 0), 0);
  host.Pump();
  EXPECT_GT(Ink(large).Height(), Ink(small).Height() + 5);
  DestroyWindow(large);  // before the font goes
}

TEST_F(StaticTest, DisabledTextIsGrey) {
  Hwnd text = MakeControl(kStaticClass, "SH1", SS_LEFT, {10, 10, 110, 30}, 89);
  EnableWindow(text, false);
  host.Pump();
  EXPECT_FALSE(Ink(text).IsEmpty());
  EXPECT_TRUE(InkIn(text, GetClientRect(text), RGB(0, 0, 0)) == GetClientRect(text));  // no black at all
  bool grey = false;
  for (int x = 0; x < 40 && !grey; ++x) {
    for (int y = 0; y < 20 && !grey; ++y) grey = PixelOf(text, x, y) == GetSysColor(COLOR_GRAYTEXT);
  }
  EXPECT_TRUE(grey);
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
