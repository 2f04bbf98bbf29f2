// The system controls repainted as their surroundings change: a group box that leaves its
// inside to a parent clipping its children, captions that shrink, controls behind a
// disabled top-level window, and a font the caller let go of.
#include "tests/window/platform/draw/canvas_check.h"
#include "tests/window/platform/system_controls/control_fixture.h"
#include "window/platform/core/invalidation.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/draw/brush.h"
#include "window/platform/draw/font.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/draw/window_canvas.h"
#include "window/platform/system_controls/button_control.h"
#include "window/platform/system_controls/static_control.h"

namespace qor::ui::testing {
namespace {

constexpr const char* kWhiteClass = "ControlsOnWhite";
constexpr ColorRef kWhite = RGB(255, 255, 255);
constexpr ColorRef kFace = RGB(192, 192, 192);

// Controls on a white parent that clips its children, as a dialog does.
class ControlRepaint : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    WindowClass white{kWhiteClass, RecorderProc};
    white.background = GetSysColorBrush(COLOR_WINDOW);
    ASSERT_TRUE(RegisterClass(white));
    panel = Make("panel", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, main, {0, 0, 300, 200}, kWhiteClass);
    Log().react = [](Hwnd, uint32_t message, WParam, LParam) -> std::optional<LResult> {
      if (message != WM_CTLCOLORSTATIC) return std::nullopt;
      return static_cast<LResult>(GetSysColorBrush(COLOR_WINDOW));
    };
  }
  void TearDown() override {
    ControlTest::TearDown();
    EXPECT_TRUE(UnregisterClass(kWhiteClass));
  }

  Hwnd OnPanel(const char* className, const std::string& text, uint32_t style, Rect at) {
    return Make(text, WS_CHILD | WS_VISIBLE | style, panel, at, className);
  }
  // How many pixels of the area are near black (enabled text; disabled text is grey).
  int Dark(Hwnd control, Rect area) {
    int dark = 0;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) dark += GetRValue(PixelOf(control, x, y)) < 64;
    }
    return dark;
  }
  std::vector<std::string> Strip(Hwnd control, Rect area) {
    Point origin = ClientOriginOnCanvas(control);
    return Picture(*WindowCanvas(control), area.Offset(origin.x, origin.y), {{kWhite, '.'}});
  }

  Hwnd panel;
};

TEST_F(ControlRepaint, AGroupBoxLeavesItsInsideToTheParentAndAHiddenControlLeavesNoGhost) {
  Hwnd group = OnPanel(kButtonClass, "Number", BS_GROUPBOX, {10, 10, 290, 190});
  Hwnd inside = OnPanel(kButtonClass, "V1", BS_PUSHBUTTON, {40, 60, 120, 90});
  host.Pump();
  EXPECT_EQ(PixelOf(group, 200, 100), kWhite);  // painted by the panel, not left as it was
  EXPECT_EQ(PixelOf(inside, 40, 15), kFace);
  ShowWindow(inside, SW_HIDE);
  host.Pump();
  EXPECT_EQ(InkIn(group, {30, 50, 110, 80}, kWhite), Rect{});  // where the button was
  EXPECT_NE(PixelOf(group, 0, 100), kWhite);  // the frame is whole again
  InvalidateRect(panel, nullptr, true);
  host.Pump();
  EXPECT_NE(PixelOf(group, 0, 100), kWhite);  // the panel painted over it, the group box drew again
}

TEST_F(ControlRepaint, AGroupBoxWhoseCaptionShrinksLooksAsIfMadeWithTheShortOne) {
  Hwnd changed = OnPanel(kButtonClass, "A rather long caption", BS_GROUPBOX, {10, 10, 290, 90});
  Hwnd made = OnPanel(kButtonClass, "Short", BS_GROUPBOX, {10, 100, 290, 180});
  host.Pump();
  SetWindowText(changed, "Short");
  host.Pump();
  Rect top{0, 0, 280, 20};
  EXPECT_EQ(Strip(changed, top), Strip(made, top));
}

TEST_F(ControlRepaint, ControlsBehindADisabledTopLevelWindowKeepTheirEnabledLook) {
  Hwnd button = OnPanel(kButtonClass, "OK", BS_PUSHBUTTON, {10, 10, 90, 40});
  Hwnd text = OnPanel(kStaticClass, "Radix:", SS_LEFT, {10, 50, 90, 70});
  host.Pump();
  Rect buttonInk = InkIn(button, {3, 3, 77, 27}, kFace);
  Rect textInk = InkIn(text, GetClientRect(text), kWhite);
  EnableWindow(main, false);  // as a message box does to its owner
  EXPECT_FALSE(IsWindowEnabled(button));  // for input and focus the ancestors count
  InvalidateRect(button, nullptr, true);
  InvalidateRect(text, nullptr, true);
  host.Pump();
  EXPECT_EQ(InkIn(button, {3, 3, 77, 27}, kFace), buttonInk);
  EXPECT_GT(Dark(button, {3, 3, 77, 27}), 5);  // the caption in black, not embossed
  EXPECT_EQ(InkIn(text, GetClientRect(text), kWhite), textInk);
  EXPECT_GT(Dark(text, GetClientRect(text)), 5);  // not grey
  EnableWindow(main, true);
}

TEST_F(ControlRepaint, AControlKeepsTheFontItWasGivenAfterTheCallerLetsGo) {
  Hwnd large = OnPanel(kStaticClass, "Hex", SS_LEFT, {10, 10, 110, 50});
  Hwnd small = OnPanel(kStaticClass, "Hex", SS_LEFT, {120, 10, 220, 50});
  FontHandle font = CreateFontIndirect(LogFont{-24, FW_BOLD, false, "Arial"});
  ASSERT_TRUE(font);
  Font* given = font.get();
  SendMessage(large, WM_SETFONT, reinterpret_cast<WParam>(given), 0);
  font.reset();
  InvalidateRect(panel, nullptr, true);
  host.Pump();
  EXPECT_EQ(SendMessage(large, WM_GETFONT, 0, 0), reinterpret_cast<LResult>(given));
  EXPECT_GT(InkIn(large, GetClientRect(large), kWhite).Height(),
            InkIn(small, GetClientRect(small), kWhite).Height() + 5);
}

}  // namespace
}  // namespace qor::ui::testing
