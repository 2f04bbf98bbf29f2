// The desktop host on SDL's dummy video driver: real windows made, placed, titled, shown,
// hidden and closed as the core's windows are; their pixels; waking; clipboard; beep.
#include "window/platform/hosts/sdl/desktop_host.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <thread>

#include "os/clock.h"
#include "window/platform/core/caret.h"
#include "window/platform/core/input.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/draw/begin_paint.h"
#include "window/platform/draw/brush.h"
#include "window/platform/draw/logical_dpi.h"
#include "window/platform/draw/primitives.h"
#include "window/platform/draw/window_canvas.h"

namespace qor::ui {
namespace {

constexpr const char* kPaintedClass = "DesktopPainted";

// Paints its client area in four coloured quarters, so that a shifted copy shows.
LResult PaintedProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  if (message != WM_PAINT) return DefWindowProc(hwnd, message, wParam, lParam);
  PaintStruct paint;
  Hdc dc = BeginPaint(hwnd, &paint);
  Rect client = GetClientRect(hwnd);
  int midX = client.Width() / 2;
  int midY = client.Height() / 2;
  FillRect(dc, {0, 0, midX, midY}, CreateSolidBrush(RGB(200, 0, 0)));
  FillRect(dc, {midX, 0, client.right, midY}, CreateSolidBrush(RGB(0, 150, 0)));
  FillRect(dc, {0, midY, midX, client.bottom}, CreateSolidBrush(RGB(0, 0, 250)));
  FillRect(dc, {midX, midY, client.right, client.bottom}, CreateSolidBrush(RGB(10, 20, 30)));
  EndPaint(hwnd, &paint);
  return 0;
}

void Pump() {
  Msg msg;
  while (PeekMessage(msg)) {
    TranslateMessage(msg);
    DispatchMessage(msg);
  }
}

// Pixels of `part` of the canvas against a read-back image of the same size.
int DifferingPixels(const Canvas& canvas, const Rect& part, const Canvas& shown) {
  if (shown.Width() != part.Width() || shown.Height() != part.Height()) return -1;
  int differing = 0;
  for (int y = 0; y < part.Height(); ++y) {
    for (int x = 0; x < part.Width(); ++x) {
      if ((canvas.At(part.left + x, part.top + y) & 0xFFFFFF) != (shown.At(x, y) & 0xFFFFFF)) ++differing;
    }
  }
  return differing;
}

class DesktopHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "none-at-all", 1);  // no sound device: a beep flashes
    std::string error;
    host = DesktopHost::Open(&error);
    ASSERT_TRUE(host) << error;
    ASSERT_TRUE(RegisterClass(WindowClass{kPaintedClass, PaintedProc}));
  }
  void TearDown() override {
    for (Hwnd top : GetChildren(Hwnd{})) DestroyWindow(top);
    Pump();
    if (host) host->Present();
    UnregisterClass(kPaintedClass);
    host.reset();
  }

  Hwnd Make(const std::string& title, uint32_t style, Rect at) {
    Hwnd hwnd = CreateWindow(kPaintedClass, title, style | WS_VISIBLE, at);
    Pump();
    host->Present();
    return hwnd;
  }

  std::unique_ptr<DesktopHost> host;
};

TEST_F(DesktopHostTest, ACaptionedWindowGetsTheDesktopsFrameAndShowsItsClientArea) {
  Hwnd main = Make("Gr\xFC\xDF" "e", WS_CAPTION | WS_SYSMENU, {40, 30, 240, 150});
  SDL_Window* real = host->RealWindow(main);
  ASSERT_NE(real, nullptr);
  EXPECT_STREQ(SDL_GetWindowTitle(real), "Gr\xC3\xBC\xC3\x9F" "e");
  EXPECT_EQ(SDL_GetWindowFlags(real) & (SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN), 0u);
  Rect client = ClientRectOnCanvas(main);
  EXPECT_EQ(host->ShownRect(main), client);
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(real, &width, &height);
  EXPECT_EQ(width, client.Width());
  EXPECT_EQ(height, client.Height());

  std::optional<Canvas> shown = host->ReadBack(main);
  ASSERT_TRUE(shown);
  EXPECT_EQ(DifferingPixels(*WindowCanvas(main), client, *shown), 0);
}

TEST_F(DesktopHostTest, APopUpWithoutCaptionIsUndecoratedAndShowsTheWholeCanvas) {
  Hwnd tip = Make("tip", WS_POPUP | WS_BORDER, {10, 10, 110, 40});
  SDL_Window* real = host->RealWindow(tip);
  ASSERT_NE(real, nullptr);
  EXPECT_NE(SDL_GetWindowFlags(real) & SDL_WINDOW_BORDERLESS, 0u);
  EXPECT_EQ(host->ShownRect(tip), (Rect{0, 0, 100, 30}));
  std::optional<Canvas> shown = host->ReadBack(tip);
  ASSERT_TRUE(shown);
  EXPECT_EQ(DifferingPixels(*WindowCanvas(tip), {0, 0, 100, 30}, *shown), 0);
}

TEST_F(DesktopHostTest, TheCaretIsInvertedOverTheShownCanvasAndLeavesWithoutAnyPainting) {
  Hwnd field = Make("field", WS_POPUP, {10, 10, 110, 40});
  SetCaretBlinkTime(100000);  // lit for the whole test on the real clock
  CreateCaret(field, 2, 10);
  SetCaretPos(20, 5);
  ShowCaret(field);
  host->Present();
  std::optional<Canvas> shown = host->ReadBack(field);
  ASSERT_TRUE(shown);
  Pixel under = WindowCanvas(field)->At(20, 5);
  EXPECT_EQ(shown->At(20, 5) & 0xFFFFFF, ~under & 0xFFFFFF);
  EXPECT_EQ(DifferingPixels(*WindowCanvas(field), {0, 0, 100, 30}, *shown), 2 * 10);
  HideCaret(field);
  host->Present();
  shown = host->ReadBack(field);
  ASSERT_TRUE(shown);
  EXPECT_EQ(DifferingPixels(*WindowCanvas(field), {0, 0, 100, 30}, *shown), 0);
  DestroyCaret();
  SetCaretBlinkTime(500);
}

TEST_F(DesktopHostTest, AWaitWithNothingElseToComeEndsAtTheCaretsNextBlink) {
  Hwnd field = Make("field", WS_POPUP, {10, 10, 110, 40});
  SetCaretBlinkTime(20);
  CreateCaret(field, 1, 10);
  ShowCaret(field);
  uint64_t blink = GetCaretInfo().nextBlink;
  // A wait may end early (window events of the new window); none may outlast the blink,
  // or this would block for ever.
  while (os::TickCount() < blink) host->Wait(std::nullopt);
  EXPECT_GE(os::TickCount(), blink);
  DestroyCaret();
  SetCaretBlinkTime(500);
}

TEST_F(DesktopHostTest, TitleHidingAndDestructionFollowTheCore) {
  Hwnd main = Make("one", WS_CAPTION, {40, 30, 240, 150});
  SetWindowText(main, "two");
  host->Present();
  EXPECT_STREQ(SDL_GetWindowTitle(host->RealWindow(main)), "two");
  ShowWindow(main, SW_HIDE);
  host->Present();
  EXPECT_NE(SDL_GetWindowFlags(host->RealWindow(main)) & SDL_WINDOW_HIDDEN, 0u);
  DestroyWindow(main);
  host->Present();
  EXPECT_EQ(host->RealWindow(main), nullptr);
}

TEST_F(DesktopHostTest, ANeverShownWindowGetsNoRealWindow) {
  CreateParams params;
  params.className = kPaintedClass;
  params.style = WS_CAPTION;
  Hwnd hidden = CreateWindow(params);
  host->Present();
  EXPECT_EQ(host->RealWindow(hidden), nullptr);
}

TEST_F(DesktopHostTest, ClosingTheRealWindowClosesTheCoresWindow) {
  Hwnd main = Make("main", WS_CAPTION | WS_SYSMENU, {40, 30, 240, 150});
  SDL_Event close{};
  close.type = SDL_WINDOWEVENT;
  close.window.windowID = SDL_GetWindowID(host->RealWindow(main));
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  EnableWindow(main, false);  // as under a modal dialog: the close is refused
  host->HandleEvent(close);
  Pump();
  EXPECT_TRUE(IsWindow(main));
  EnableWindow(main, true);
  host->HandleEvent(close);
  Pump();
  EXPECT_FALSE(IsWindow(main));
}

TEST_F(DesktopHostTest, MovingAndResizingTheRealWindowMoveTheCoresWindow) {
  Hwnd main = Make("main", WS_CAPTION | WS_THICKFRAME, {40, 30, 240, 150});
  Rect client = ClientRectOnCanvas(main);
  SDL_Event moved{};
  moved.type = SDL_WINDOWEVENT;
  moved.window.windowID = SDL_GetWindowID(host->RealWindow(main));
  moved.window.event = SDL_WINDOWEVENT_MOVED;
  moved.window.data1 = 300;
  moved.window.data2 = 200;
  host->HandleEvent(moved);
  EXPECT_EQ(ClientToScreen(main, {0, 0}), (Point{300, 200}));
  moved.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
  moved.window.data1 = client.Width() + 50;
  moved.window.data2 = client.Height() + 20;
  host->HandleEvent(moved);
  EXPECT_EQ(GetClientRect(main), (Rect{0, 0, client.Width() + 50, client.Height() + 20}));
}

TEST_F(DesktopHostTest, MouseOnTheRealWindowReachesTheCoreAtItsScreenPosition) {
  Hwnd main = Make("main", WS_CAPTION, {40, 30, 240, 150});
  SDL_Event motion{};
  motion.type = SDL_MOUSEMOTION;
  motion.motion.windowID = SDL_GetWindowID(host->RealWindow(main));
  motion.motion.x = 5;
  motion.motion.y = 6;
  host->HandleEvent(motion);
  EXPECT_EQ(GetCursorPos(), ClientToScreen(main, {5, 6}));
}

TEST_F(DesktopHostTest, WakeEndsAWaitFromAnotherThreadWithAndWithoutWindows) {
  std::thread waker([this] { host->Wake(); });
  host->Wait(std::nullopt);  // would block for ever if the wake were lost
  waker.join();
  Make("main", WS_CAPTION, {40, 30, 240, 150});
  std::thread again([this] { host->Wake(); });
  host->Wait(std::nullopt);
  again.join();
}

TEST_F(DesktopHostTest, AWaitWhoseDeadlineHasPassedReturns) {
  host->Wait(os::TickCount());
  Make("main", WS_CAPTION, {40, 30, 240, 150});
  host->Wait(os::TickCount());
}

TEST_F(DesktopHostTest, TheClipboardHoldsUtf8AndTheCoreSeesCodePage1252) {
  host->SetClipboardText("caf\xE9 \x80");
  char* raw = SDL_GetClipboardText();
  EXPECT_STREQ(raw, "caf\xC3\xA9 \xE2\x82\xAC");
  SDL_free(raw);
  SDL_SetClipboardText("na\xC3\xAFve \xE2\x86\x92");
  EXPECT_EQ(host->ClipboardText(), "na\xEFve ?");
}

TEST_F(DesktopHostTest, WithoutASoundDeviceABeepFlashesTheWindow) {
  Make("main", WS_CAPTION, {40, 30, 240, 150});
  MessageBeep();
  EXPECT_EQ(host->FlashedBeeps(), 1);
}

}  // namespace
}  // namespace qor::ui

namespace qor::ui {
namespace {

// The host sets the process's logical resolution when it opens the display.
int LogicalDpiWithQorDpi(const char* value) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("QOR_DPI", value, 1);
  std::unique_ptr<DesktopHost> host = DesktopHost::Open();
  unsetenv("QOR_DPI");
  int dpi = host ? GetLogicalDpi() : -1;
  SetLogicalDpi(kDefaultLogicalDpi);
  return dpi;
}

TEST(DesktopResolution, QorDpiSetsTheLogicalResolution) { EXPECT_EQ(LogicalDpiWithQorDpi("144"), 144); }

TEST(DesktopResolution, AResolutionOutOfRangeOrNotANumberLeaves96) {
  EXPECT_EQ(LogicalDpiWithQorDpi("5000"), 96);
  EXPECT_EQ(LogicalDpiWithQorDpi("big"), 96);
}

}  // namespace
}  // namespace qor::ui

namespace qor::ui {
namespace {

// Without a display SDL would fall back to a driver that shows nothing; the host refuses
// it and says why, unless the driver was asked for by name.
void OpenWithoutADisplay() {
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  unsetenv("SDL_VIDEODRIVER");
  std::string error;
  std::unique_ptr<DesktopHost> host = DesktopHost::Open(&error);
  fprintf(stderr, "%s %s\n", host ? "opened" : "refused", error.c_str());
  exit(host ? 0 : 3);
}

TEST(DesktopHostDisplay, NoDisplayIsRefusedWithAReason) {
  EXPECT_EXIT(OpenWithoutADisplay(), ::testing::ExitedWithCode(3), "refused .*display");
}

TEST(DesktopHostDisplay, TheInvisibleDriversServeWhenAskedForByName) {
  setenv("SDL_VIDEODRIVER", "offscreen", 1);
  std::string error;
  EXPECT_TRUE(DesktopHost::Open(&error)) << error;
}

}  // namespace
}  // namespace qor::ui
