// The caret on the virtual clock, the clipboard, the end of the session and termination.
#include <signal.h>

#include "tests/window/platform/core/recorder.h"
#include "window/platform/core/caret.h"
#include "window/platform/core/clipboard.h"
#include "window/platform/core/input.h"
#include "window/platform/core/session.h"

namespace qor::ui::testing {
namespace {

using Seq = std::vector<std::string>;
using Caret = PlatformTest;
using Session = PlatformTest;

TEST_F(Caret, StartsHiddenAndShowsWhenEveryHideIsUndone) {
  Hwnd edit = Make("edit", WS_POPUP | WS_VISIBLE);
  ASSERT_TRUE(CreateCaret(edit, 1, 14));
  EXPECT_FALSE(GetCaretInfo().shown);
  EXPECT_TRUE(ShowCaret(edit));
  EXPECT_TRUE(GetCaretInfo().shown);
  HideCaret(edit);
  HideCaret(edit);
  ShowCaret(edit);
  EXPECT_FALSE(GetCaretInfo().shown);
  ShowCaret(edit);
  EXPECT_TRUE(GetCaretInfo().shown);
  EXPECT_FALSE(ShowCaret(edit));  // nothing left to undo
  EXPECT_TRUE(GetCaretInfo().shown);
}

TEST_F(Caret, OnlyItsOwnerMayShowOrHideIt) {
  Hwnd edit = Make("edit", WS_POPUP);
  Hwnd other = Make("other", WS_POPUP);
  CreateCaret(edit, 2, 10);
  EXPECT_FALSE(ShowCaret(other));
  EXPECT_FALSE(HideCaret(other));
  EXPECT_FALSE(GetCaretInfo().shown);
}

TEST_F(Caret, BlinksOnTheClockAndStartsLitWhenMoved) {
  Hwnd edit = Make("edit", WS_POPUP);
  CreateCaret(edit, 1, 12);
  SetCaretBlinkTime(500);
  ShowCaret(edit);
  uint64_t shownAt = host.Now();
  EXPECT_TRUE(GetCaretInfo().blinkOn);
  EXPECT_EQ(GetCaretInfo().nextBlink, shownAt + 500);
  host.Advance(499);
  EXPECT_TRUE(GetCaretInfo().blinkOn);
  host.Advance(1);
  EXPECT_FALSE(GetCaretInfo().blinkOn);
  host.Advance(500);
  EXPECT_TRUE(GetCaretInfo().blinkOn);
  host.Advance(600);
  EXPECT_FALSE(GetCaretInfo().blinkOn);
  SetCaretPos(30, 4);
  EXPECT_TRUE(GetCaretInfo().blinkOn);
  EXPECT_EQ(GetCaretInfo().rect, (Rect{30, 4, 31, 16}));
  EXPECT_EQ(GetCaretPos(), (Point{30, 4}));
}

TEST_F(Caret, GoesWithItsWindowAndAReplacement) {
  Hwnd a = Make("a", WS_POPUP);
  Hwnd b = Make("b", WS_POPUP);
  CreateCaret(a, 1, 10);
  CreateCaret(b, 1, 10);
  EXPECT_EQ(GetCaretInfo().owner, b);
  DestroyWindow(b);
  EXPECT_EQ(GetCaretInfo().owner, Hwnd{});
  EXPECT_FALSE(DestroyCaret());
  EXPECT_FALSE(SetCaretPos(1, 1));
  EXPECT_FALSE(CreateCaret(b, 1, 10));  // a destroyed window gets none
}

TEST_F(Caret, ClipboardHoldsText) {
  SetClipboardText("");
  EXPECT_FALSE(ClipboardHasText());
  SetClipboardText("0000FFFF");
  EXPECT_TRUE(ClipboardHasText());
  EXPECT_EQ(GetClipboardText(), "0000FFFF");
}

TEST_F(Caret, BeepReachesTheHostWhichKeepsOnlyTheLatestSounds) {
  int before = host.Beeps();
  MessageBeep();
  EXPECT_EQ(host.Beeps(), before + 1);
  // A long run that beeps at every rejected keystroke must not grow without end.
  for (uint32_t i = 0; i < 10000; ++i) MessageBeep(i);
  EXPECT_EQ(host.Beeps(), before + 10001);
  ASSERT_EQ(host.Sounds().size(), HeadlessHost::kKeptSounds);
  EXPECT_EQ(host.Sounds().front(), 10000 - HeadlessHost::kKeptSounds);
  EXPECT_EQ(host.Sounds().back(), 9999u);
}

TEST_F(Session, AnyWindowMayRefuseTheEndOfTheSessionAndAllAreTold) {
  Make("a", WS_POPUP);
  Make("b", WS_POPUP);
  Take();
  Log().react = [](Hwnd h, uint32_t m, WParam, LParam) -> std::optional<LResult> {
    if (m == WM_QUERYENDSESSION && Log().NameOf(h) == "b") return 0;
    return std::nullopt;
  };
  EXPECT_FALSE(QueryEndSession(ENDSESSION_LOGOFF));
  EXPECT_EQ(Take(), (Seq{"b WM_QUERYENDSESSION", "b WM_ENDSESSION 0", "a WM_ENDSESSION 0"}));
  Log().react = nullptr;
  EXPECT_TRUE(QueryEndSession(0));
  EXPECT_EQ(Take(), (Seq{"b WM_QUERYENDSESSION", "a WM_QUERYENDSESSION", "b WM_ENDSESSION 1", "a WM_ENDSESSION 1"}));
}

// A termination signal is served once per process: each case runs in a child process.
// A real signal when `raised` is non-zero; a request for SIGINT otherwise.
void CloseOnSignalThenReport(int raised) {
  MessageLog& log = Log();
  HeadlessHost child;
  RegisterClass(WindowClass{"Victim", RecorderProc});
  CreateParams params;
  params.className = "Victim";
  params.style = WS_POPUP;
  params.title = "first";
  CreateWindow(params);
  params.title = "second";
  CreateWindow(params);
  log.Clear();
  InstallTerminationHandlers();
  if (raised) {
    raise(raised);
  } else {
    RequestTermination(SIGINT);
  }
  Msg msg;
  while (GetMessage(msg)) DispatchMessage(msg);
  std::string report;
  for (const std::string& entry : log.Take()) report += entry + ";";
  fprintf(stderr, "%s signal=%d\n", report.c_str(), TerminationSignal());
  exit(static_cast<int>(msg.wParam) & 0xFF);
}

TEST(Termination, SigtermClosesEveryWindowNewestFirstAndQuits) {
  EXPECT_EXIT(CloseOnSignalThenReport(SIGTERM), ::testing::ExitedWithCode(128 + SIGTERM),
              "second WM_ENDSESSION 1;second WM_DESTROY;second WM_NCDESTROY;"
              "first WM_ENDSESSION 1;first WM_DESTROY;first WM_NCDESTROY; signal=15");
}

TEST(Termination, SigintCannotBeRefusedEither) {
  EXPECT_EXIT(CloseOnSignalThenReport(0), ::testing::ExitedWithCode(128 + SIGINT), "signal=2");
}

// The terminal or the session going away ends the program in the same order.
TEST(Termination, SighupClosesInOrderAsSigtermDoes) {
  EXPECT_EXIT(CloseOnSignalThenReport(SIGHUP), ::testing::ExitedWithCode(128 + SIGHUP),
              "second WM_ENDSESSION 1;second WM_DESTROY;second WM_NCDESTROY;"
              "first WM_ENDSESSION 1;first WM_DESTROY;first WM_NCDESTROY; signal=1");
}

}  // namespace
}  // namespace qor::ui::testing
