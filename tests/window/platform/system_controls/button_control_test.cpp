// The "button" class: what a push button tells its parent for clicks, drags, Space and
// double clicks, its pressed state, and how it looks pressed, released and as the default.
#include "tests/window/platform/system_controls/control_fixture.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/system_controls/button_control.h"

namespace qor::ui::testing {
namespace {

class ButtonTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    ok = MakeControl(kButtonClass, "ok", BS_PUSHBUTTON, {20, 20, 100, 46}, 7);
  }
  Hwnd ok;
};

TEST_F(ButtonTest, ClickPressesCapturesFocusesAndNotifiesTheParentOnRelease) {
  host.MouseDown(ok, {10, 10});
  host.Pump();
  EXPECT_EQ(Take(), (Sequence{"ok WM_LBUTTONDOWN 1 10,10", "main WM_KILLFOCUS ok", "ok WM_SETFOCUS main",
                              "ok BM_SETSTATE 1"}));
  EXPECT_EQ(GetCapture(), ok);
  EXPECT_EQ(SendMessage(ok, BM_GETSTATE, 0, 0), LResult(BST_PUSHED | BST_FOCUS));
  Take();

  host.MouseUp(ok, {10, 10});
  host.Pump();
  EXPECT_EQ(Take(), (Sequence{"ok WM_LBUTTONUP 0 10,10", "ok BM_SETSTATE 0", "ok WM_CAPTURECHANGED 0",
                              "main WM_COMMAND 7 0 ok"}));
  EXPECT_FALSE(GetCapture());
  EXPECT_EQ(SendMessage(ok, BM_GETSTATE, 0, 0), LResult(BST_FOCUS));
}

TEST_F(ButtonTest, DraggingOffReleasesTheLookAndLettingGoOutsideCancels) {
  // Input goes where the capture is when it arrives: each step is read before the next.
  for (auto step : {+[](HeadlessHost& h, Hwnd b) { h.MouseDown(b, {10, 10}); },
                    +[](HeadlessHost& h, Hwnd b) { h.MouseMove(b, {90, 10}); },  // off to the right
                    +[](HeadlessHost& h, Hwnd b) { h.MouseMove(b, {40, 12}); },  // back on
                    +[](HeadlessHost& h, Hwnd b) { h.MouseMove(b, {40, -5}); },  // off above
                    +[](HeadlessHost& h, Hwnd b) { h.MouseUp(b, {40, -5}); }}) {
    step(host, ok);
    host.Pump();
  }
  EXPECT_EQ(Take(), (Sequence{"ok WM_LBUTTONDOWN 1 10,10", "main WM_KILLFOCUS ok", "ok WM_SETFOCUS main",
                              "ok BM_SETSTATE 1", "ok WM_MOUSEMOVE 1 90,10", "ok BM_SETSTATE 0",
                              "ok WM_MOUSEMOVE 1 40,12", "ok BM_SETSTATE 1", "ok WM_MOUSEMOVE 1 40,-5",
                              "ok BM_SETSTATE 0", "ok WM_LBUTTONUP 0 40,-5", "ok WM_CAPTURECHANGED 0"}));
  EXPECT_FALSE(GetCapture());
}

TEST_F(ButtonTest, DraggingBackOnBeforeLettingGoStillClicks) {
  host.MouseDown(ok, {10, 10});
  host.Pump();
  host.MouseMove(ok, {-20, 10});
  host.Pump();
  host.MouseMove(ok, {30, 10});
  host.Pump();
  host.MouseUp(ok, {30, 10});
  host.Pump();
  Sequence log = Take();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "main WM_COMMAND 7 0 ok");
}

TEST_F(ButtonTest, SpacePressesWhileHeldAndClicksWhenLetGo) {
  SetFocus(ok);
  host.Pump();
  Take();
  host.KeyDown(VK_SPACE, ' ');
  host.KeyDown(VK_SPACE, ' ');  // the key repeating changes nothing
  host.Pump();
  EXPECT_EQ(GetCapture(), ok);
  host.KeyUp(VK_SPACE);
  host.Pump();
  EXPECT_EQ(Take(), (Sequence{"ok WM_KEYDOWN 32", "ok BM_SETSTATE 1", "ok WM_CHAR ' '", "ok WM_KEYDOWN 32",
                              "ok WM_CHAR ' '", "ok WM_KEYUP 32", "ok BM_SETSTATE 0", "ok WM_CAPTURECHANGED 0",
                              "main WM_COMMAND 7 0 ok"}));
}

TEST_F(ButtonTest, LosingTheFocusWhileSpaceIsHeldReleasesWithoutAClick) {
  SetFocus(ok);
  host.KeyDown(VK_SPACE, ' ');
  host.Pump();
  SetFocus(main);
  host.KeyUp(VK_SPACE);
  host.Pump();
  Sequence log = Take();
  EXPECT_EQ(std::count(log.begin(), log.end(), "main WM_COMMAND 7 0 ok"), 0);
  EXPECT_EQ(SendMessage(ok, BM_GETSTATE, 0, 0), 0);
  EXPECT_FALSE(GetCapture());
}

TEST_F(ButtonTest, EnterIsLeftToTheDialogWhichLearnsWhichButtonIsTheDefault) {
  SetFocus(ok);
  host.Pump();
  Take();
  host.Press(VK_RETURN);
  host.Pump();
  EXPECT_EQ(Take(), (Sequence{"ok WM_KEYDOWN 13", "ok WM_CHAR '\r'", "ok WM_KEYUP 13"}));
  EXPECT_EQ(SendMessage(ok, WM_GETDLGCODE, 0, 0), LResult(DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON));
  SendMessage(ok, BM_SETSTYLE, BS_DEFPUSHBUTTON, 1);
  EXPECT_EQ(SendMessage(ok, WM_GETDLGCODE, 0, 0), LResult(DLGC_BUTTON | DLGC_DEFPUSHBUTTON));
  EXPECT_EQ(GetWindowStyle(ok) & (WS_CHILD | WS_VISIBLE | BS_TYPEMASK), WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON);
}

TEST_F(ButtonTest, DoubleClickIsASecondPressUnlessTheButtonAsksForNotification) {
  host.DoubleClick(ok, {10, 10});
  host.Pump();
  Sequence log = Take();
  EXPECT_EQ(std::count(log.begin(), log.end(), "main WM_COMMAND 7 0 ok"), 2);
  EXPECT_EQ(std::count(log.begin(), log.end(), "ok WM_LBUTTONDBLCLK 1 10,10"), 1);

  Hwnd notifying = MakeControl(kButtonClass, "notifying", BS_PUSHBUTTON | BS_NOTIFY, {120, 20, 200, 46}, 8);
  host.DoubleClick(notifying, {10, 10});
  host.Pump();
  log = Take();
  Sequence commands;
  std::copy_if(log.begin(), log.end(), std::back_inserter(commands),
               [](const std::string& e) { return e.starts_with("main WM_COMMAND"); });
  // Focus notifications come with BS_NOTIFY too.
  EXPECT_EQ(commands, (Sequence{"main WM_COMMAND 8 6 notifying", "main WM_COMMAND 8 0 notifying",
                                "main WM_COMMAND 8 5 notifying"}));
  EXPECT_FALSE(GetCapture());
}

TEST_F(ButtonTest, SetStateChangesOnlyTheLookAndGetStateReadsIt) {
  EXPECT_EQ(SendMessage(ok, BM_GETSTATE, 0, 0), 0);
  SendMessage(ok, BM_SETSTATE, 1, 0);
  EXPECT_EQ(SendMessage(ok, BM_GETSTATE, 0, 0), LResult(BST_PUSHED));
  EXPECT_FALSE(GetCapture());
  EXPECT_NE(GetFocus(), ok);
  SendMessage(ok, BM_SETSTATE, 0, 0);
  EXPECT_EQ(SendMessage(ok, BM_GETSTATE, 0, 0), 0);
  Sequence log = Take();
  EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& e) { return e.starts_with("main"); }), 0);
}

TEST_F(ButtonTest, ClickMessageActsAsAMouseClickButNotOnADisabledButton) {
  SendMessage(ok, BM_CLICK, 0, 0);
  Sequence log = Take();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "main WM_COMMAND 7 0 ok");
  EnableWindow(ok, false);
  Take();
  SendMessage(ok, BM_CLICK, 0, 0);
  EXPECT_EQ(Take(), (Sequence{"ok BM_CLICK"}));
}

TEST_F(ButtonTest, CaptureTakenAwayCancelsThePress) {
  host.MouseDown(ok, {10, 10});
  host.Pump();
  SetCapture(main);
  host.MouseUp(ok, {10, 10});
  host.Pump();
  Sequence log = Take();
  EXPECT_EQ(std::count(log.begin(), log.end(), "main WM_COMMAND 7 0 ok"), 0);
  EXPECT_EQ(SendMessage(ok, BM_GETSTATE, 0, 0), LResult(BST_FOCUS));
}

TEST_F(ButtonTest, ADisabledButtonGetsNoClicks) {
  EnableWindow(ok, false);
  host.Click(ok, {10, 10});
  host.Pump();
  Sequence log = Take();
  EXPECT_EQ(std::count(log.begin(), log.end(), "main WM_COMMAND 7 0 ok"), 0);
}

TEST_F(ButtonTest, GroupBoxLetsTheMouseThroughAndTakesNoInput) {
  Hwnd group = MakeControl(kButtonClass, "group", BS_GROUPBOX, {10, 60, 200, 150}, 30);
  EXPECT_EQ(SendMessage(group, WM_GETDLGCODE, 0, 0), LResult(DLGC_STATIC));
  EXPECT_EQ(WindowFromPoint(ClientToScreen(group, {50, 50})), main);
  Hwnd inside = MakeControl(kButtonClass, "inside", BS_PUSHBUTTON, {20, 80, 60, 100}, 31);
  EXPECT_EQ(WindowFromPoint(ClientToScreen(inside, {5, 5})), inside);
  host.Click(main, {100, 120});
  host.Pump();
  Sequence log = Take();
  EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& e) { return e.starts_with("group"); }), 0);
  SendMessage(group, BM_CLICK, 0, 0);
  EXPECT_EQ(Take(), (Sequence{"group BM_CLICK"}));
}

// Pixels: face grey 192, highlight white, shadow grey 128, dark shadow and frame black.
constexpr ColorRef kFace = RGB(192, 192, 192);
constexpr ColorRef kWhite = RGB(255, 255, 255);
constexpr ColorRef kShadow = RGB(128, 128, 128);
constexpr ColorRef kBlack = RGB(0, 0, 0);

TEST_F(ButtonTest, ReleasedIsRaisedPressedIsSunken) {
  host.Pump();
  // Released: light outer ring (as the face), white inner ring above and left; black
  // outer and grey inner ring below and right.
  EXPECT_EQ(PixelOf(ok, 0, 10), kFace);
  EXPECT_EQ(PixelOf(ok, 1, 10), kWhite);
  EXPECT_EQ(PixelOf(ok, 79, 10), kBlack);
  EXPECT_EQ(PixelOf(ok, 78, 10), kShadow);
  EXPECT_EQ(PixelOf(ok, 40, 25), kBlack);
  EXPECT_EQ(PixelOf(ok, 40, 24), kShadow);
  EXPECT_EQ(PixelOf(ok, 10, 13), kFace);

  SendMessage(ok, BM_SETSTATE, 1, 0);
  EXPECT_EQ(PixelOf(ok, 0, 10), kShadow);
  EXPECT_EQ(PixelOf(ok, 1, 10), kBlack);
  EXPECT_EQ(PixelOf(ok, 79, 10), kWhite);
  EXPECT_EQ(PixelOf(ok, 78, 10), kFace);
}

TEST_F(ButtonTest, DefaultButtonHasADarkFrameAndAFlatShadowWhenPressed) {
  Hwnd yes = MakeControl(kButtonClass, "yes", BS_DEFPUSHBUTTON, {120, 20, 200, 46}, 6);
  host.Pump();
  EXPECT_EQ(PixelOf(yes, 0, 10), kBlack);
  EXPECT_EQ(PixelOf(yes, 79, 10), kBlack);
  EXPECT_EQ(PixelOf(yes, 2, 10), kWhite);
  SendMessage(yes, BM_SETSTATE, 1, 0);
  EXPECT_EQ(PixelOf(yes, 0, 10), kBlack);
  EXPECT_EQ(PixelOf(yes, 1, 10), kShadow);
  EXPECT_EQ(PixelOf(yes, 2, 10), kFace);
  EXPECT_EQ(PixelOf(yes, 78, 10), kShadow);
}

TEST_F(ButtonTest, FocusShowsADottedFrameInside) {
  host.Pump();
  EXPECT_EQ(PixelOf(ok, 3, 4), kFace);
  SetFocus(ok);
  host.Pump();
  // Dots where x + y is even on the frame three pixels in.
  EXPECT_NE(PixelOf(ok, 3, 5), kFace);
  EXPECT_EQ(PixelOf(ok, 3, 4), kFace);
  SetFocus(main);
  host.Pump();
  EXPECT_EQ(PixelOf(ok, 3, 5), kFace);
}

TEST_F(ButtonTest, CaptionIsCentredMovesWhenPushedAndUnderlinesItsMnemonic) {
  Hwnd yes = MakeControl(kButtonClass, "&Yes", BS_PUSHBUTTON, {120, 20, 200, 46}, 6);
  Hwnd plain = MakeControl(kButtonClass, "Yes", BS_PUSHBUTTON, {120, 60, 200, 86}, 6);
  host.Pump();
  Rect inside{3, 3, 77, 23};
  Rect marked = InkIn(yes, inside, kFace), unmarked = InkIn(plain, inside, kFace);
  EXPECT_NEAR(unmarked.left + unmarked.Width() / 2, 40, 2);
  EXPECT_NEAR(unmarked.top + unmarked.Height() / 2, 13, 2);
  EXPECT_EQ(marked.left, unmarked.left);  // the "&" takes no room
  EXPECT_GT(marked.bottom, unmarked.bottom);  // the underline
  SendMessage(plain, BM_SETSTATE, 1, 0);
  EXPECT_EQ(InkIn(plain, inside, kFace), unmarked.Offset(1, 1));
}

TEST_F(ButtonTest, DisabledCaptionIsEmbossed) {
  EnableWindow(ok, false);
  host.Pump();
  Rect inside{3, 3, 77, 23};
  EXPECT_EQ(InkIn(ok, inside, kBlack), inside);  // no black ink anywhere inside
  // Antialiased: lighter than the face where the highlight shows, darker under the shadow.
  int light = 0, dark = 0;
  for (int y = inside.top; y < inside.bottom; ++y) {
    for (int x = inside.left; x < inside.right; ++x) {
      light += GetRValue(PixelOf(ok, x, y)) > 215;
      dark += GetRValue(PixelOf(ok, x, y)) < 150;
    }
  }
  EXPECT_GT(light, 3);
  EXPECT_GT(dark, 3);
}

TEST_F(ButtonTest, GroupBoxDrawsAnEtchedFrameBrokenByItsCaption) {
  Hwnd group = MakeControl(kButtonClass, "Number", BS_GROUPBOX, {10, 60, 200, 150}, 30);
  host.Pump();
  int line = InkIn(group, {150, 0, 151, 90}, kFace).top;  // the frame's top: shadow over highlight
  EXPECT_GT(line, 4);
  EXPECT_EQ(InkIn(group, {0, line, 190, 90}, kFace), (Rect{0, line, 190, 90}));
  EXPECT_EQ(PixelOf(group, 150, line), kShadow);
  EXPECT_EQ(PixelOf(group, 150, line + 1), kWhite);
  EXPECT_EQ(PixelOf(group, 9, line), kFace);  // the caption's band cuts the line
  Rect caption = InkIn(group, {8, 0, 100, line + 1}, kFace);
  EXPECT_LT(caption.top, line);
  EXPECT_GE(caption.left, 10);
  EXPECT_EQ(PixelOf(group, 100, 40), kFace);  // the inside is the parent's
}

}  // namespace
}  // namespace qor::ui::testing
