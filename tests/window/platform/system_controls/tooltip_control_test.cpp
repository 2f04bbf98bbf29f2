// The tool tip: shown after the mouse rests on a tool, its text asked of the owner each
// time, hidden when the mouse leaves or clicks; all on the virtual clock.
#include "tests/window/platform/system_controls/control_fixture.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/draw/logical_dpi.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/draw/window_canvas.h"
#include "window/platform/system_controls/button_control.h"
#include "window/platform/system_controls/tooltip_control.h"

namespace qor::ui::testing {
namespace {

class ToolTipTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    ok = MakeControl(kButtonClass, "ok", BS_PUSHBUTTON, {20, 20, 100, 46}, 72);
    other = MakeControl(kButtonClass, "other", BS_PUSHBUTTON, {120, 20, 200, 46}, 73);
    tip = ThreadToolTip();
    ASSERT_TRUE(tip);
    Log().Name(tip, "tip");
    Log().react = [this](Hwnd, uint32_t message, WParam, LParam lParam) -> std::optional<LResult> {
      auto* header = reinterpret_cast<NotifyHeader*>(lParam);
      if (message != WM_NOTIFY || header->code != TTN_GETDISPINFO) return std::nullopt;
      ++asks;
      auto* asked = reinterpret_cast<ToolTipText*>(lParam);
      asked->text = header->id == ok.AsParam() ? okText.c_str() : "";
      return 0;
    };
    ASSERT_EQ(SendMessage(tip, TTM_ADDTOOL, 0, reinterpret_cast<LParam>(&ToolFor(ok))), 1);
  }

  const ToolInfo& ToolFor(Hwnd tool) {
    info.owner = main;
    info.tool = tool;
    return info;
  }
  bool Shown() { return IsWindowVisible(tip); }
  void Rest(Hwnd over, Point at) {
    host.MouseMove(over, at);
    host.Pump();
  }

  Hwnd ok, other, tip;
  std::string okText = "V1 = V2";
  ToolInfo info;
  int asks = 0;
};

TEST_F(ToolTipTest, ShowsAfterTheMouseRestsForHalfASecondWithTheOwnersText) {
  Rest(ok, {5, 5});
  host.Advance(499);
  EXPECT_FALSE(Shown());
  EXPECT_EQ(asks, 0);
  host.Advance(1);
  ASSERT_TRUE(Shown());
  EXPECT_EQ(asks, 1);
  EXPECT_EQ(GetWindowText(tip), "V1 = V2");
  EXPECT_EQ(GetActiveWindow(), main);  // showing does not take activation
  EXPECT_TRUE(GetWindowExStyle(tip) & WS_EX_TOPMOST);
  // Below the cursor, and painted in the tip colours.
  Point cursor = GetCursorPos();
  Rect at = GetWindowRect(tip);
  EXPECT_EQ(at.left, cursor.x);
  EXPECT_GT(at.top, cursor.y);
  EXPECT_GT(at.Width(), 30);
  host.Pump();
  EXPECT_EQ(ColorFromPixel(WindowCanvas(tip)->At(2, 1)), GetSysColor(COLOR_INFOBK));
  EXPECT_EQ(ColorFromPixel(WindowCanvas(tip)->At(0, 0)), RGB(0, 0, 0));
}

// How many lines the shown tip holds, measured against the one-line tip.
int LinesOf(Hwnd tip, int oneLineHeight) { return GetWindowRect(tip).Height() / oneLineHeight; }

TEST_F(ToolTipTest, ALongTextWrapsAtThreeHundredPixelsAndKeepsItsLineBreaks) {
  Rest(ok, {5, 5});
  host.Advance(500);
  ASSERT_TRUE(Shown());
  int oneLine = GetWindowRect(tip).Height();
  SendMessage(tip, TTM_POP, 0, 0);
  okText = "Shifts the value of the first register left by the count in the second one, "
           "filling the vacated bits with zeros from the right";
  Rest(main, {250, 150});
  host.Advance(100);  // the tip notices the mouse has left
  Rest(ok, {6, 6});
  host.Advance(500);
  ASSERT_TRUE(Shown());
  EXPECT_LE(GetWindowRect(tip).Width(), 300 + 8);
  EXPECT_GT(GetWindowRect(tip).Width(), 200);
  EXPECT_GE(LinesOf(tip, oneLine - 4), 2);
  SendMessage(tip, TTM_POP, 0, 0);
  okText = "V1\nV2";
  Rest(main, {250, 150});
  host.Advance(100);
  Rest(ok, {7, 7});
  host.Advance(500);
  ASSERT_TRUE(Shown());
  EXPECT_EQ(GetWindowRect(tip).Height(), 2 * (oneLine - 4) + 4);
}

TEST_F(ToolTipTest, TheWrapWidthGrowsWithTheLogicalResolution) {
  SetLogicalDpi(144);
  okText = "Shifts the value of the first register left by the count in the second one, "
           "filling the vacated bits with zeros from the right";
  Rest(ok, {5, 5});
  host.Advance(500);
  ASSERT_TRUE(Shown());
  int width = GetWindowRect(tip).Width();
  SetLogicalDpi(96);
  EXPECT_GT(width, 308);
  EXPECT_LE(width, 450 + 8);
}

TEST_F(ToolTipTest, EveryMoveStartsTheWaitAgain) {
  Rest(ok, {5, 5});
  host.Advance(300);
  Rest(ok, {8, 5});
  host.Advance(499);
  EXPECT_FALSE(Shown());
  host.Advance(1);
  EXPECT_TRUE(Shown());
}

TEST_F(ToolTipTest, LeavingHidesAndComingBackAsksForTheTextAgain) {
  Rest(ok, {5, 5});
  host.Advance(500);
  ASSERT_TRUE(Shown());
  Rest(main, {250, 150});
  host.Advance(100);
  EXPECT_FALSE(Shown());
  Rest(ok, {6, 6});
  host.Advance(500);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(asks, 2);
}

TEST_F(ToolTipTest, TheOwnerHearsOfShowingAndHiding) {
  Log().Ignore(WM_MOUSEMOVE);
  Log().Ignore(WM_TIMER);
  Rest(ok, {5, 5});
  host.Advance(500);
  Rest(main, {250, 150});
  host.Advance(100);
  Sequence notes;
  for (const std::string& entry : Take()) {
    if (entry.starts_with("main WM_NOTIFY")) notes.push_back(entry);
  }
  EXPECT_EQ(notes, (Sequence{"main WM_NOTIFY -520", "main WM_NOTIFY -521", "main WM_NOTIFY -522"}));
}

TEST_F(ToolTipTest, AClickHidesItUntilTheMouseLeavesTheTool) {
  Rest(ok, {5, 5});
  host.Advance(500);
  ASSERT_TRUE(Shown());
  host.Click(ok, {5, 5});
  host.Pump();
  EXPECT_FALSE(Shown());
  Rest(ok, {7, 7});
  host.Advance(2000);
  EXPECT_FALSE(Shown());
  EXPECT_EQ(asks, 1);
}

TEST_F(ToolTipTest, AClickBeforeTheDelayKeepsItAway) {
  Rest(ok, {5, 5});
  host.Advance(200);
  host.MouseDown(ok, {5, 5});
  host.Pump();
  host.Advance(1000);
  EXPECT_FALSE(Shown());
  host.MouseUp(ok, {5, 5});
  host.Pump();
}

TEST_F(ToolTipTest, ItPopsAfterFiveSeconds) {
  Rest(ok, {5, 5});
  host.Advance(500);
  host.Advance(4999);
  EXPECT_TRUE(Shown());
  host.Advance(1);
  EXPECT_FALSE(Shown());
}

TEST_F(ToolTipTest, AnEmptyTextShowsNothingAndAToolWithoutATipGetsNone) {
  ASSERT_EQ(SendMessage(tip, TTM_ADDTOOL, 0, reinterpret_cast<LParam>(&ToolFor(other))), 1);
  Rest(other, {5, 5});
  host.Advance(1000);
  EXPECT_FALSE(Shown());
  EXPECT_EQ(asks, 1);
  Rest(main, {250, 150});
  host.Advance(1000);
  EXPECT_FALSE(Shown());
  EXPECT_EQ(asks, 1);  // the main window is no tool: nobody was asked
}

TEST_F(ToolTipTest, FixedTextsNeedNoOwner) {
  ToolInfo fixed;
  fixed.tool = other;
  fixed.text = "V1 = V3";
  ASSERT_EQ(SendMessage(tip, TTM_ADDTOOL, 0, reinterpret_cast<LParam>(&fixed)), 1);
  Rest(other, {5, 5});
  host.Advance(500);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(GetWindowText(tip), "V1 = V3");
  EXPECT_EQ(asks, 0);
}

TEST_F(ToolTipTest, RemovingAToolPutsItsProcedureBackAndDestroyingOneForgetsIt) {
  WindowProc before = GetWindowProc(other);
  ASSERT_EQ(SendMessage(tip, TTM_ADDTOOL, 0, reinterpret_cast<LParam>(&ToolFor(other))), 1);
  EXPECT_NE(GetWindowProc(other), before);
  EXPECT_EQ(SendMessage(tip, TTM_ADDTOOL, 0, reinterpret_cast<LParam>(&ToolFor(other))), 0);  // once only
  EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessage(tip, TTM_DELTOOL, 0, reinterpret_cast<LParam>(&ToolFor(other))), 1);
  EXPECT_EQ(GetWindowProc(other), before);

  Rest(ok, {5, 5});
  host.Advance(500);
  ASSERT_TRUE(Shown());
  DestroyWindow(ok);
  EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 0);
  EXPECT_FALSE(Shown());
}

TEST_F(ToolTipTest, RelayedToolsWorkWithoutTheTipWatchingThem) {
  ToolInfo relayed = ToolFor(other);
  relayed.flags = TTF_IDISHWND;
  relayed.text = "V2 = V3";
  WindowProc before = GetWindowProc(other);
  ASSERT_EQ(SendMessage(tip, TTM_ADDTOOL, 0, reinterpret_cast<LParam>(&relayed)), 1);
  EXPECT_EQ(GetWindowProc(other), before);
  Rest(other, {5, 5});
  host.Advance(1000);
  EXPECT_FALSE(Shown());  // nobody told the tip
  Msg move;
  move.hwnd = other;
  move.message = WM_MOUSEMOVE;
  move.lParam = PackPoint(5, 5);
  SendMessage(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LParam>(&move));
  host.Advance(500);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(GetWindowText(tip), "V2 = V3");
}

TEST_F(ToolTipTest, NearTheScreensEdgeItStaysOnTheScreen) {
  MoveWindow(main, 700, 700, 300, 60);
  host.Pump();
  Rest(ok, {70, 20});
  host.Advance(500);
  ASSERT_TRUE(Shown());
  Rect at = GetWindowRect(tip);
  Point cursor = GetCursorPos();
  EXPECT_LE(at.right, 1024);
  EXPECT_LE(at.bottom, cursor.y);  // above the cursor, as there is no room below
  EXPECT_GE(at.top, 0);
}

TEST_F(ToolTipTest, BadToolsAreRefusedAndNothingChanges) {
  ToolInfo none;
  EXPECT_EQ(SendMessage(tip, TTM_ADDTOOL, 0, reinterpret_cast<LParam>(&none)), 0);
  none.tool = Hwnd{99999};
  EXPECT_EQ(SendMessage(tip, TTM_ADDTOOL, 0, reinterpret_cast<LParam>(&none)), 0);
  EXPECT_EQ(SendMessage(tip, TTM_ADDTOOL, 0, 0), 0);
  EXPECT_EQ(SendMessage(tip, TTM_DELTOOL, 0, reinterpret_cast<LParam>(&none)), 0);
  EXPECT_EQ(SendMessage(tip, TTM_RELAYEVENT, 0, 0), 0);
  EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
}

// A procedure someone puts in front of a tool's after the tip did.
WindowProc passedTo = nullptr;
int passedMessages = 0;
LResult PassOn(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  ++passedMessages;
  return CallWindowProc(passedTo, hwnd, message, wParam, lParam);
}

TEST_F(ToolTipTest, RemovingAToolWithAnotherProcedureInFrontKeepsTheChainWhole) {
  passedTo = SetWindowProc(ok, PassOn);  // someone else steps in front of the tip's procedure
  ASSERT_EQ(SendMessage(tip, TTM_DELTOOL, 0, reinterpret_cast<LParam>(&ToolFor(ok))), 1);
  EXPECT_EQ(GetWindowProc(ok), PassOn);
  passedMessages = 0;
  host.Click(ok, {5, 5});
  host.Pump();
  EXPECT_GT(passedMessages, 0);
  Sequence log = Take();
  EXPECT_NE(std::find(log.begin(), log.end(), "main WM_COMMAND 72 0 ok"), log.end());  // the button still works
  Rest(ok, {6, 6});
  host.Advance(1000);
  EXPECT_FALSE(Shown());  // and the tip has let it go
  // Added again, the tip uses the procedure still in the chain.
  ASSERT_EQ(SendMessage(tip, TTM_ADDTOOL, 0, reinterpret_cast<LParam>(&ToolFor(ok))), 1);
  Rest(ok, {7, 7});
  host.Advance(500);
  EXPECT_TRUE(Shown());
}

TEST_F(ToolTipTest, AnOwnerFillingTheWholeBufferGetsItCutAtTheEnd) {
  Log().react = [](Hwnd, uint32_t message, WParam, LParam lParam) -> std::optional<LResult> {
    if (message != WM_NOTIFY || reinterpret_cast<NotifyHeader*>(lParam)->code != TTN_GETDISPINFO) return std::nullopt;
    auto* asked = reinterpret_cast<ToolTipText*>(lParam);
    std::fill(std::begin(asked->buffer), std::end(asked->buffer), 'x');
    return 0;
  };
  Rest(ok, {5, 5});
  host.Advance(500);
  EXPECT_EQ(GetWindowText(tip), std::string(79, 'x'));
}

TEST_F(ToolTipTest, AnOwnerMayDestroyTheTipWhenAskedForText) {
  Log().react = [this](Hwnd, uint32_t message, WParam, LParam lParam) -> std::optional<LResult> {
    if (message != WM_NOTIFY || reinterpret_cast<NotifyHeader*>(lParam)->code != TTN_GETDISPINFO) return std::nullopt;
    DestroyWindow(tip);
    reinterpret_cast<ToolTipText*>(lParam)->text = "V1 = V2";
    return 0;
  };
  WindowProc watched = GetWindowProc(ok);
  Rest(ok, {5, 5});
  host.Advance(500);
  EXPECT_FALSE(IsWindow(tip));
  EXPECT_NE(GetWindowProc(ok), watched);  // the tool's own procedure is back
  host.Advance(1000);
  host.Click(ok, {5, 5});
  host.Pump();
  Hwnd next = ThreadToolTip();  // a new one when asked again
  EXPECT_TRUE(next);
  EXPECT_NE(next, tip);
}

TEST_F(ToolTipTest, WithoutAlwaysTipOnlyTheActiveWindowsToolsGetTips) {
  DestroyWindow(tip);
  CreateParams params;
  params.className = kToolTipClass;
  params.style = WS_POPUP;
  params.exStyle = WS_EX_TOPMOST;
  params.PlaceAt(Rect{});
  tip = CreateWindow(params);
  ASSERT_EQ(SendMessage(tip, TTM_ADDTOOL, 0, reinterpret_cast<LParam>(&ToolFor(ok))), 1);
  Hwnd elsewhere = Make("elsewhere", WS_POPUP | WS_VISIBLE, Hwnd{}, {600, 600, 700, 700});
  ASSERT_EQ(GetActiveWindow(), elsewhere);
  Rest(ok, {5, 5});
  host.Advance(1000);
  EXPECT_FALSE(Shown());
  SetActiveWindow(main);
  Rest(main, {250, 150});
  host.Advance(200);
  Rest(ok, {5, 5});
  host.Advance(500);
  EXPECT_TRUE(Shown());
}

TEST_F(ToolTipTest, SwitchedOffItShowsNothing) {
  SendMessage(tip, TTM_ACTIVATE, 0, 0);
  Rest(ok, {5, 5});
  host.Advance(1000);
  EXPECT_FALSE(Shown());
  SendMessage(tip, TTM_ACTIVATE, 1, 0);
  Rest(ok, {6, 5});
  host.Advance(500);
  EXPECT_TRUE(Shown());
}

TEST_F(ToolTipTest, OneTipPerThreadAndTheButtonStillWorksUnderIt) {
  EXPECT_EQ(ThreadToolTip(), tip);
  host.Click(ok, {5, 5});
  host.Pump();
  Sequence log = Take();
  EXPECT_NE(std::find(log.begin(), log.end(), "main WM_COMMAND 72 0 ok"), log.end());
}

}  // namespace
}  // namespace qor::ui::testing
