// The message box's text breaking and layout, with a made-up font: every character is
// 6 pixels wide and a line 13 pixels high; base units 6 by 13.
#include <gtest/gtest.h>

#include "window/message_box/box_layout.h"
#include "window/message_box/box_text.h"
#include "window/platform/core/styles.h"

namespace qor::win {
namespace {

using ui::Rect;
using ui::Size;

ui::TextMeasure SixPixelFont() {
  return {[](std::string_view run) { return static_cast<int>(run.size()) * 6; }, 13, 6};
}

constexpr ui::DialogBaseUnits kUnits{6, 13};
constexpr Size kLargeScreen{1024, 768};

TEST(BoxTextTest, BreaksAtBlanksAndAtLineBreaks) {
  BoxText text = BreakBoxText("one two three\r\nfour", 48, 10, SixPixelFont());
  EXPECT_EQ(text.lines, (std::vector<std::string>{"one two", "three", "four"}));
  EXPECT_EQ(text.extent, (Size{42, 39}));
  EXPECT_EQ(text.Joined(), "one two\r\nthree\r\nfour");
  EXPECT_EQ(BreakBoxText("a\n\nb", 48, 10, SixPixelFont()).lines, (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(BreakBoxText("&Save", 48, 10, SixPixelFont()).extent.cx, 30);  // "&" is a character
}

TEST(BoxTextTest, AWordWiderThanTheBoxIsBrokenInsideItself) {
  BoxText text = BreakBoxText("x abcdefghijklmnop y", 36, 10, SixPixelFont());
  EXPECT_EQ(text.lines, (std::vector<std::string>{"x", "abcdef", "ghijkl", "mnop y"}));
  EXPECT_LE(text.extent.cx, 36);
}

TEST(BoxTextTest, LinesBeyondTheLimitAreCutAndTheLastEndsInDots) {
  BoxText text = BreakBoxText("aaaa bbbb cccc dddd eeee", 30, 2, SixPixelFont());
  EXPECT_EQ(text.lines, (std::vector<std::string>{"aaaa", "bb..."}));
  EXPECT_EQ(text.extent, (Size{30, 26}));
  EXPECT_EQ(BreakBoxText("aa\nbb\ncc", 60, 2, SixPixelFont()).lines, (std::vector<std::string>{"aa", "bb..."}));
}

TEST(BoxLayoutTest, TwoLinesWithAnIconAndThreeButtons) {
  // Text 2 lines of 150 px: (150 + 10) * 4 / 6 = 106 units wide, 26 * 8 / 13 = 16 high.
  BoxLayout layout = LayOutBox({kUnits, {150, 26}, {32, 32}, 3, kLargeScreen});
  // The band is max(16 + 10, 45) = 45; the icon is 21 by 19 units, centred in it.
  EXPECT_EQ(layout.icon, (Rect{5, 13, 26, 32}));
  EXPECT_EQ(layout.text, (Rect{31, 14, 137, 30}));
  EXPECT_EQ(layout.cy, 45 + 19);
  // The row of 3 is 160 units, wider than icon and text (137 + 5): the box is 170 wide.
  ASSERT_EQ(layout.buttons.size(), 3u);
  EXPECT_EQ(layout.cx, 170);
}

TEST(BoxLayoutTest, ARowWiderThanTheTextWidensTheBoxAndIsCentred) {
  BoxLayout layout = LayOutBox({kUnits, {60, 13}, {}, 3, kLargeScreen});
  EXPECT_EQ(layout.icon, Rect{});
  EXPECT_EQ(layout.cx, 170);
  EXPECT_EQ(layout.buttons[0], (Rect{5, 45, 55, 59}));
  EXPECT_EQ(layout.buttons[2], (Rect{115, 45, 165, 59}));
  EXPECT_EQ(layout.text, (Rect{5, 18, 5 + 46, 26}));  // (45 - 8) / 2 = 18
}

TEST(BoxLayoutTest, ATallTextMakesTheBandTaller) {
  BoxLayout layout = LayOutBox({kUnits, {100, 13 * 8}, {}, 1, kLargeScreen});
  EXPECT_EQ(layout.text.top, 5);
  EXPECT_EQ(layout.cy, 64 + 10 + 19);
  EXPECT_EQ(layout.buttons[0].top, 74);
}

TEST(BoxLayoutTest, EightButtonsOnA640ScreenGetNarrowerAndStayOnIt) {
  Size largest = LargestClient({640, 480}, ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU);
  EXPECT_EQ(largest, (Size{634, 480 - 24}));
  BoxLayout layout = LayOutBox({{7, 14}, {100, 14}, {}, 8, largest});
  EXPECT_LE(ui::DialogUnitsToPixelsX(layout.cx, {7, 14}), largest.cx);
  EXPECT_LT(layout.buttons[0].Width(), kBoxButtonWidth);
  EXPECT_LE(layout.buttons[7].right, layout.cx - kBoxMargin);
  EXPECT_GE(layout.buttons[0].left, kBoxMargin);
}

TEST(BoxLayoutTest, TheTextsRoomShrinksToTheScreen) {
  BoxTextLimits roomy = TextLimits(kUnits, {32, 32}, kLargeScreen, 13);
  EXPECT_EQ(roomy.width, 300);  // 200 units
  // 768 px are 472 units; less margins and the row, 443 units or 720 px: 55 lines.
  EXPECT_EQ(roomy.maxLines, 55);
  BoxTextLimits narrow = TextLimits(kUnits, {32, 32}, {200, 100}, 13);
  EXPECT_LT(narrow.width, 200 - 32);
  EXPECT_GE(narrow.maxLines, 1);
  BoxText text = BreakBoxText(std::string(5000, 'w'), narrow.width, narrow.maxLines, SixPixelFont());
  EXPECT_EQ(static_cast<int>(text.lines.size()), narrow.maxLines);
  EXPECT_TRUE(text.lines.back().ends_with("..."));
}

}  // namespace
}  // namespace qor::win
