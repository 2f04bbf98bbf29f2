// Where a single-line field shows its text: alignment while the text fits, and
// scrolling that keeps the caret in view.
#include "window/platform/system_controls/edit_view.h"

#include <gtest/gtest.h>

namespace qor::ui {
namespace {

TEST(EditView, TextThatFitsIsAlignedAndNeverScrolled) {
  EXPECT_EQ(TextStartX(30, 1, 100, 0, EditAlign::Left), 0);
  EXPECT_EQ(TextStartX(30, 1, 100, 0, EditAlign::Center), 35);
  EXPECT_EQ(TextStartX(30, 1, 100, 0, EditAlign::Right), 69);  // room for the caret after the text
  EXPECT_EQ(ScrollToShowCaret(40, 30, 1, 30, 100, 33), 0);
}

TEST(EditView, ALongTextScrollsByAJumpToShowTheCaretAndNoFurtherThanItsEnd) {
  // 300 pixels of text in a 100-pixel box, jumping a third of the box.
  EXPECT_EQ(ScrollToShowCaret(0, 50, 1, 300, 100, 33), 0);
  EXPECT_EQ(ScrollToShowCaret(0, 100, 1, 300, 100, 33), 34);
  EXPECT_EQ(ScrollToShowCaret(34, 20, 1, 300, 100, 33), 0);
  EXPECT_EQ(ScrollToShowCaret(150, 120, 1, 300, 100, 33), 87);
  EXPECT_EQ(ScrollToShowCaret(0, 300, 1, 300, 100, 33), 201);  // the end, not beyond
  EXPECT_EQ(ScrollToShowCaret(0, 100, 1, 300, 100, 0), 1);     // no jump while dragging
  EXPECT_EQ(TextStartX(300, 1, 100, 87, EditAlign::Right), -87);
}

TEST(EditView, ShorteningTheTextTakesBackScrollThatShowsNothing) {
  EXPECT_EQ(ScrollToShowCaret(201, 150, 1, 150, 100, 33), 51);
}

}  // namespace
}  // namespace qor::ui
