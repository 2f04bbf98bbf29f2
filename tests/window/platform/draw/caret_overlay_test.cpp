// The caret as a display shows it: inverted over the canvas while lit, blinking on the
// virtual clock, clipped to its owner, left out of the canvas itself and drawn into a PNG
// on request.
#include <cstdio>

#include "tests/window/platform/core/recorder.h"
#include "window/platform/core/caret.h"
#include "window/platform/draw/caret_overlay.h"
#include "window/platform/draw/png_file.h"
#include "window/platform/draw/window_canvas.h"

namespace qor::ui::testing {
namespace {

class CaretOverlayTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    main = Make("main", WS_POPUP | WS_VISIBLE, Hwnd{}, {100, 100, 300, 200});
    field = Make("field", WS_CHILD | WS_VISIBLE, main, {10, 10, 60, 30});
    host.Pump();
    CreateCaret(field, 2, 12);
    SetCaretBlinkTime(500);
    SetCaretPos(4, 3);
    ShowCaret(field);
  }
  Hwnd main, field;
};

TEST_F(CaretOverlayTest, CoversTheCaretOnTheCanvasWhileLitAndNothingInTheDarkHalf) {
  EXPECT_EQ(CaretOverlay(main).Bounds(), (Rect{14, 13, 16, 25}));
  EXPECT_EQ(NextCaretBlink(), std::optional<uint64_t>(host.Now() + 500));
  host.Advance(500);
  EXPECT_TRUE(CaretOverlay(main).IsEmpty());
  host.Advance(500);
  EXPECT_FALSE(CaretOverlay(main).IsEmpty());
  HideCaret(field);
  EXPECT_TRUE(CaretOverlay(main).IsEmpty());
  EXPECT_FALSE(NextCaretBlink());
}

TEST_F(CaretOverlayTest, IsClippedToItsOwnerAndBelongsToItsTopLevelWindowOnly) {
  SetCaretPos(49, 3);  // half of it sticks out of the 50-pixel field on the right
  EXPECT_EQ(CaretOverlay(main).Bounds(), (Rect{59, 13, 60, 25}));
  Hwnd other = Make("other", WS_POPUP | WS_VISIBLE, Hwnd{}, {400, 100, 500, 200});
  EXPECT_TRUE(CaretOverlay(other).IsEmpty());
}

TEST_F(CaretOverlayTest, TheCanvasKeepsWhatWasPaintedAndThePngShowsTheCaret) {
  Pixel under = WindowCanvas(main)->At(14, 13);
  Canvas shown = *WindowCanvas(main);
  CompositeCaret(shown, main);
  EXPECT_EQ(WindowCanvas(main)->At(14, 13), under);
  EXPECT_EQ(shown.At(14, 13) & 0xFFFFFF, ~under & 0xFFFFFF);
  std::string path = ::testing::TempDir() + "caret.png";
  ASSERT_TRUE(WriteWindowPngWithCaret(field, path));
  std::optional<Canvas> read = ReadPng(path);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->At(15, 24) & 0xFFFFFF, ~under & 0xFFFFFF);
  EXPECT_EQ(read->At(16, 24), under);
  std::remove(path.c_str());
}

}  // namespace
}  // namespace qor::ui::testing
