// The demonstration on the desktop host under a private Xvfb: what the X server shows in
// each real window is the part of the core's canvas the window shows, pixel for pixel.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "tests/tools/platform_demo/image_compare.h"
#include "tests/tools/platform_demo/xvfb_server.h"
#include "tools/platform_demo/demo_window.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/timers.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/dialogs/dialog_template.h"
#include "window/platform/draw/window_canvas.h"
#include "window/platform/hosts/sdl/desktop_host.h"

namespace qor::tool::testing {
namespace {

using namespace ui;

void PumpAll() {
  Msg msg;
  while (PeekMessage(msg)) {
    TranslateMessage(msg);
    DispatchMessage(msg);
  }
}

class DemoOnDesktop : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!XvfbServer::Installed()) GTEST_SKIP() << "Xvfb is not installed (scripts/setup.sh installs it)";
    std::string error;
    ASSERT_TRUE(xvfb.Start(&error)) << error;
    setenv("SDL_VIDEODRIVER", "x11", 1);
    host = DesktopHost::Open(&error);
    ASSERT_TRUE(host) << error;
    current = host.get();
    ASSERT_TRUE(RegisterDemoClasses());
  }
  void TearDown() override {
    for (Hwnd top : GetChildren(Hwnd{})) DestroyWindow(top);
    PumpAll();
    current = nullptr;
    host.reset();
  }

  // Differing pixels between what the display shows of a window and its canvas.
  static int ShownDifference(Hwnd hwnd) {
    current->Present();
    std::optional<Canvas> shown = current->ReadBack(hwnd);
    if (!shown) return -1;
    Comparison result = CompareImages(*WindowCanvas(hwnd), current->ShownRect(hwnd), *shown, 0);
    return result.sameSize ? result.differing : -2;
  }

  XvfbServer xvfb;
  std::unique_ptr<DesktopHost> host;
  static DesktopHost* current;
  static int dialogDifference;
};
DesktopHost* DemoOnDesktop::current = nullptr;
int DemoOnDesktop::dialogDifference = -3;

TEST_F(DemoOnDesktop, TheRealMainWindowShowsTheCanvasPixelForPixel) {
  Hwnd main = CreateDemoWindow();
  ASSERT_TRUE(main);
  PumpAll();
  EXPECT_EQ(ShownDifference(main), 0);
}

TEST_F(DemoOnDesktop, TheRealDialogShowsItsCanvasPixelForPixel) {
  Hwnd main = CreateDemoWindow();
  ASSERT_TRUE(main);
  // Looked at from inside the dialog's own loop, once it has painted itself.
  SetTimer(Hwnd{}, 1, 1, [](Hwnd, uint32_t, uintptr_t id, uint64_t) {
    KillTimer(Hwnd{}, id);
    Hwnd dialog = GetActiveWindow();
    dialogDifference = ShownDifference(dialog);
    SendMessage(dialog, WM_COMMAND, IDOK, 0);
  });
  SendMessage(main, WM_COMMAND, kMessageButton, 0);
  EXPECT_EQ(dialogDifference, 0);
  EXPECT_TRUE(IsWindowEnabled(main));
}

}  // namespace
}  // namespace qor::tool::testing
