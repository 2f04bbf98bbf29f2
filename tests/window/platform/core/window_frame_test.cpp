// Frames and captions: the border per style, the caption in the active and inactive
// colours with its icon, text and close box, redrawn on activation and text changes
// without any message to the window.
#include "tests/window/platform/core/recorder.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/defaults/window_frame.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/draw/window_canvas.h"
#include "window/platform/resources/icon.h"

namespace qor::ui::testing {
namespace {

constexpr ColorRef kNavy = RGB(0, 0, 128);
constexpr ColorRef kGrey = RGB(128, 128, 128);
constexpr ColorRef kFace = RGB(192, 192, 192);
constexpr ColorRef kWhite = RGB(255, 255, 255);
constexpr ColorRef kBlack = RGB(0, 0, 0);

constexpr uint32_t kFramed = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE;

class Frames : public PlatformTest {
 protected:
  static ColorRef At(Hwnd top, int x, int y) { return ColorFromPixel(WindowCanvas(top)->At(x, y)); }
  // A caption pixel away from the text, icon and close box.
  static ColorRef BarColor(Hwnd hwnd) {
    CaptionLayout layout = GetCaptionLayout(hwnd);
    return At(hwnd, layout.closeBox.left - 3, layout.bar.top + 1);
  }
  // How many pixels of the text area show the colour.
  static int TextPixels(Hwnd hwnd, ColorRef color) {
    Rect text = GetCaptionLayout(hwnd).text;
    int count = 0;
    for (int y = text.top; y < text.bottom; ++y) {
      for (int x = text.left; x < text.right; ++x) count += At(hwnd, x, y) == color;
    }
    return count;
  }
};

TEST_F(Frames, SizingFrameWithCaptionIconAndCloseBox) {
  Hwnd main = Make("Main", kFramed, Hwnd{}, {10, 10, 210, 110});
  host.Pump();
  EXPECT_EQ(At(main, 0, 0), kFace);    // outer raised ring: 3-D light
  EXPECT_EQ(At(main, 1, 1), kWhite);   // inner: highlight
  EXPECT_EQ(At(main, 199, 99), kBlack);  // dark shadow at the bottom right
  EXPECT_EQ(At(main, 2, 50), kFace);   // the active border colour
  EXPECT_EQ(At(main, 3, 50), kFace);
  CaptionLayout layout = GetCaptionLayout(main);
  EXPECT_EQ(layout.bar, (Rect{4, 4, 196, 21}));
  EXPECT_EQ(layout.icon, (Rect{5, 4, 21, 20}));
  EXPECT_EQ(layout.closeBox, (Rect{178, 6, 194, 20}));
  EXPECT_EQ(BarColor(main), kNavy);
  EXPECT_EQ(At(main, 100, 21), kFace);  // the line between caption and client area
  EXPECT_GT(TextPixels(main, kWhite), 20);  // "Main" in the caption text colour
  EXPECT_EQ(At(main, layout.closeBox.left, layout.closeBox.top), kFace);  // the box's raised edge
  EXPECT_EQ(At(main, layout.closeBox.left + 1, layout.closeBox.top + 1), kWhite);
  int crossPixels = 0;
  for (int y = layout.closeBox.top + 2; y < layout.closeBox.bottom - 2; ++y) {
    for (int x = layout.closeBox.left + 2; x < layout.closeBox.right - 2; ++x) crossPixels += At(main, x, y) == kBlack;
  }
  EXPECT_GT(crossPixels, 10);
  // The small application icon: its white window inside a black border.
  EXPECT_EQ(At(main, layout.icon.left + 8, layout.icon.top + 10), kWhite);
}

TEST_F(Frames, ActivationChangesTheCaptionAtOnceWithoutMessages) {
  Hwnd first = Make("First", kFramed, Hwnd{}, {0, 0, 200, 100});
  Hwnd second = Make("Second", kFramed, Hwnd{}, {300, 0, 500, 100});
  host.Pump();
  EXPECT_EQ(BarColor(first), kGrey);
  EXPECT_EQ(BarColor(second), kNavy);
  EXPECT_GT(TextPixels(first, kFace), 10);  // the inactive text colour
  EXPECT_EQ(TextPixels(first, kWhite), 0);
  Take();
  SetActiveWindow(first);
  EXPECT_EQ(BarColor(first), kNavy);
  EXPECT_EQ(BarColor(second), kGrey);
  EXPECT_EQ(Take(), (std::vector<std::string>{"Second WM_ACTIVATE 0 First", "Second WM_KILLFOCUS 0",
                                              "First WM_ACTIVATE 1 Second", "First WM_SETFOCUS 0"}));
  EXPECT_EQ(BarColor(first), kNavy);
}

TEST_F(Frames, NewTextIsShownInTheCaptionAtOnce) {
  Hwnd main = Make("I", kFramed, Hwnd{}, {0, 0, 200, 100});
  host.Pump();
  int before = TextPixels(main, kWhite);
  SetWindowText(main, "A much longer caption");
  EXPECT_GT(TextPixels(main, kWhite), before * 3);
  // A text too long for the bar stops short of the close box.
  SetWindowText(main, std::string(80, 'W'));
  CaptionLayout layout = GetCaptionLayout(main);
  EXPECT_EQ(At(main, layout.closeBox.left - 1, layout.bar.top + 8), kNavy);
}

TEST_F(Frames, DialogsHaveNoIconAndBordersFollowTheStyle) {
  CreateParams dialog;
  dialog.className = kRecorderClass;
  dialog.title = "Dialog";
  dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
  dialog.exStyle = WS_EX_DLGMODALFRAME;
  dialog.PlaceAt({0, 0, 120, 80});
  Hwnd box = CreateWindow(dialog);
  Hwnd plain = Make("plain", WS_POPUP | WS_BORDER | WS_VISIBLE, Hwnd{}, {200, 0, 260, 40});
  Hwnd child = Make("child", WS_CHILD | WS_BORDER | WS_VISIBLE, plain, {5, 5, 25, 25});
  host.Pump();
  CaptionLayout layout = GetCaptionLayout(box);
  EXPECT_TRUE(layout.icon.IsEmpty());
  EXPECT_EQ(layout.bar, (Rect{3, 3, 117, 20}));
  EXPECT_EQ(At(box, 2, 40), kFace);  // the dialog frame's face line
  EXPECT_EQ(At(box, 1, 40), kWhite);
  EXPECT_EQ(At(plain, 0, 0), kBlack);
  EXPECT_EQ(At(plain, 6, 6), kBlack);  // the child's border, at its place in the parent
  EXPECT_EQ(At(plain, 7, 7), kFace);
  EXPECT_TRUE(GetCaptionLayout(plain).bar.IsEmpty());
  (void)child;
}

TEST_F(Frames, AHiddenWindowDrawsNoFrameUntilShown) {
  Hwnd main = Make("Main", kFramed & ~WS_VISIBLE, Hwnd{}, {0, 0, 100, 60});
  DrawWindowFrame(main);
  EXPECT_EQ(At(main, 1, 1), kFace);  // the canvas as made: nothing drawn
  ShowWindow(main, SW_SHOW);
  host.Pump();
  EXPECT_EQ(At(main, 1, 1), kWhite);
  EXPECT_EQ(BarColor(main), kNavy);
  // A new size draws the frame again at the new edges.
  MoveWindow(main, 0, 0, 150, 80);
  host.Pump();
  EXPECT_EQ(At(main, 149, 79), kBlack);
  EXPECT_EQ(GetCaptionLayout(main).bar.right, 146);
}

}  // namespace
}  // namespace qor::ui::testing
