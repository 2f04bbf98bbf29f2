// The pointer's shape follows the class cursor of the window under it, unless an
// override such as the wait cursor is in force.
#include "tests/window/platform/core/recorder.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/input.h"
#include "window/platform/core/window_class.h"
#include "window/platform/resources/cursor.h"

namespace qor::ui::testing {
namespace {

class PointerCursor : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    WindowClass text{"TextLike", RecorderProc};
    text.cursor = LoadCursor(nullptr, IDC_IBEAM);
    RegisterClass(text);
    main = Make("main", WS_POPUP | WS_VISIBLE, Hwnd{}, {100, 100, 400, 300});
    field = Make("field", WS_CHILD | WS_VISIBLE, main, {10, 10, 110, 30}, "TextLike");
    inner = Make("inner", WS_CHILD | WS_VISIBLE, field, {2, 2, 20, 18});  // a class without a cursor
    host.Pump();
  }
  void TearDown() override {
    SetOverrideCursor(CursorHandle::None);
    PlatformTest::TearDown();
    UnregisterClass("TextLike");
  }
  CursorShape Shape() { return GetCursorShape(GetCursor()); }

  Hwnd main, field, inner;
};

TEST_F(PointerCursor, ShowsTheClassCursorOfTheWindowUnderThePointerOrItsAncestors) {
  host.MouseMove(main, {200, 150});
  EXPECT_EQ(Shape(), CursorShape::Arrow);  // the recorder class has no cursor: the arrow
  host.MouseMove(field, {50, 10});
  EXPECT_EQ(Shape(), CursorShape::IBeam);
  host.MouseMove(inner, {5, 5});
  EXPECT_EQ(Shape(), CursorShape::IBeam);  // from the field around it
  host.MouseMove(main, {500, 500});        // off every window
  EXPECT_EQ(Shape(), CursorShape::Arrow);
}

TEST_F(PointerCursor, AnOverrideShowsWhereverThePointerIsUntilTakenOff) {
  host.MouseMove(field, {50, 10});
  SetOverrideCursor(LoadCursor(nullptr, IDC_WAIT));
  EXPECT_EQ(Shape(), CursorShape::Wait);
  host.MouseMove(main, {200, 150});
  EXPECT_EQ(Shape(), CursorShape::Wait);
  host.MouseMove(field, {40, 10});
  EXPECT_EQ(Shape(), CursorShape::Wait);
  EXPECT_EQ(GetCursorShape(GetOverrideCursor()), CursorShape::Wait);
  SetOverrideCursor(CursorHandle::None);
  EXPECT_EQ(Shape(), CursorShape::IBeam);  // the class cursor under the pointer comes back at once
}

TEST_F(PointerCursor, TheCaptureHoldersCursorShowsWhileItHoldsTheMouse) {
  host.MouseMove(field, {50, 10});
  SetCapture(field);
  host.MouseMove(main, {200, 150});
  EXPECT_EQ(Shape(), CursorShape::IBeam);
  ReleaseCapture();
  host.MouseMove(main, {201, 150});
  EXPECT_EQ(Shape(), CursorShape::Arrow);
}

}  // namespace
}  // namespace qor::ui::testing
