// Text layout for DrawText, with every character 10 pixels wide and lines 16 high: line
// breaks, word wrapping, alignment, tab stops and mnemonic underlines.
#include <gtest/gtest.h>

#include "window/platform/draw/text_layout.h"

namespace qor::ui {
namespace {

constexpr int kChar = 10;
constexpr int kLine = 16;

// Tab stops every 8 average widths of 5: 40 pixels apart.
TextMeasure Fixed() {
  return {[](std::string_view text) { return static_cast<int>(text.size()) * kChar; }, kLine, 5};
}

TextLayout Lay(std::string_view text, unsigned format, Size box = {200, 100}) {
  return LayoutText(text, box, format, Fixed());
}

std::vector<std::string> Texts(const TextLayout& layout) {
  std::vector<std::string> texts;
  for (const TextLine& line : layout.lines) {
    std::string text;
    for (const TextPiece& piece : line.pieces) text += (text.empty() ? "" : "|") + piece.text;
    texts.push_back(text);
  }
  return texts;
}

using Lines = std::vector<std::string>;

TEST(TextLayout, LineBreaksEndLinesUnlessSingleLine) {
  EXPECT_EQ(Texts(Lay("a\r\nb\nc\rd", 0)), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(Texts(Lay("a\n\nb", 0)), (Lines{"a", "", "b"}));
  EXPECT_EQ(Texts(Lay("a\n", 0)), (Lines{"a"}));  // a break at the end adds no line
  EXPECT_EQ(Texts(Lay("ab\ncd", DT_SINGLELINE)), (Lines{"ab\ncd"}));
  EXPECT_TRUE(Lay("", 0).lines.empty());
  EXPECT_EQ(Lay("", 0).extent, (Size{0, 0}));
  EXPECT_EQ(Lay("", DT_SINGLELINE).extent, (Size{0, kLine}));  // one empty line still
  TextLayout three = Lay("a\nbcd\nef", 0);
  EXPECT_EQ(three.extent, (Size{30, 3 * kLine}));
  EXPECT_EQ(three.lines[2].y, 2 * kLine);
  EXPECT_EQ(three.drawnBottom, 3 * kLine);
}

TEST(TextLayout, WordBreakFillsEachLineAsFarAsTheWordsFit) {
  // "one two" is 70 wide and fits in 75; "three" goes down, the space between is dropped.
  EXPECT_EQ(Texts(Lay("one two three", DT_WORDBREAK, {75, 100})), (Lines{"one two", "three"}));
  EXPECT_EQ(Texts(Lay("one two three", DT_WORDBREAK, {70, 100})), (Lines{"one two", "three"}));  // exactly
  EXPECT_EQ(Texts(Lay("one two three", DT_WORDBREAK, {69, 100})), (Lines{"one", "two", "three"}));
  EXPECT_EQ(Texts(Lay("one   two", DT_WORDBREAK, {40, 100})), (Lines{"one", "two"}));  // every space at the break
  EXPECT_EQ(Texts(Lay("one two three", 0, {75, 100})), (Lines{"one two three"}));  // no wrapping asked
  EXPECT_EQ(Texts(Lay("one two", DT_WORDBREAK | DT_SINGLELINE, {40, 100})), (Lines{"one two"}));
  // Line breaks still count, and each paragraph wraps on its own.
  EXPECT_EQ(Texts(Lay("aa bb\ncc dd", DT_WORDBREAK, {30, 100})), (Lines{"aa", "bb", "cc", "dd"}));
}

TEST(TextLayout, AWordTooLongForTheBoxStaysWholeAndWidensTheExtent) {
  TextLayout layout = Lay("a verylongword b", DT_WORDBREAK, {50, 100});
  EXPECT_EQ(Texts(layout), (Lines{"a", "verylongword", "b"}));
  EXPECT_EQ(layout.extent, (Size{120, 3 * kLine}));
  EXPECT_EQ(Texts(Lay("  indented text", DT_WORDBREAK, {110, 100})), (Lines{"  indented", "text"}));
  EXPECT_EQ(Texts(Lay("x y", DT_WORDBREAK, {0, 100})), (Lines{"x", "y"}));
}

TEST(TextLayout, AlignmentPlacesEachLineInTheBox) {
  TextLayout centred = Lay("abcd ef", DT_WORDBREAK | DT_CENTER, {45, 100});
  ASSERT_EQ(centred.lines.size(), 2u);
  EXPECT_EQ(centred.lines[0].x, 2);   // (45 - 40) / 2
  EXPECT_EQ(centred.lines[1].x, 12);  // (45 - 20) / 2
  EXPECT_EQ(Lay("ab", DT_RIGHT).lines[0].x, 180);
  EXPECT_EQ(Lay("ab", DT_LEFT).lines[0].x, 0);
  EXPECT_EQ(Lay("abcdef", DT_RIGHT, {40, 20}).lines[0].x, -20);  // sticks out on the left
}

TEST(TextLayout, VerticalPlacementAppliesToASingleLine) {
  TextLayout centred = Lay("ab", DT_SINGLELINE | DT_VCENTER, {200, 41});
  EXPECT_EQ(centred.lines[0].y, 12);  // (41 - 16) / 2
  EXPECT_EQ(centred.drawnBottom, 12 + kLine);
  TextLayout bottom = Lay("ab", DT_SINGLELINE | DT_BOTTOM, {200, 41});
  EXPECT_EQ(bottom.lines[0].y, 41 - kLine);
  EXPECT_EQ(bottom.drawnBottom, 41);
  EXPECT_EQ(Lay("ab\ncd", DT_VCENTER, {200, 41}).lines[0].y, 0);  // several lines stay at the top
  EXPECT_EQ(Lay("ab", DT_SINGLELINE | DT_VCENTER, {200, 10}).lines[0].y, -3);
}

TEST(TextLayout, ExpandedTabsGoToTheNextStopEightAverageWidthsApart) {
  TextLayout layout = Lay("ab\tc\tdefgh\tx", DT_EXPANDTABS);
  ASSERT_EQ(layout.lines[0].pieces.size(), 4u);
  EXPECT_EQ(layout.lines[0].pieces[1].x, 40);
  EXPECT_EQ(layout.lines[0].pieces[2].x, 80);
  EXPECT_EQ(layout.lines[0].pieces[3].x, 160);  // "defgh" ends on 130: the next stop
  EXPECT_EQ(layout.lines[0].width, 170);
  EXPECT_EQ(Lay("abcd\tx", DT_EXPANDTABS).lines[0].pieces[1].x, 80);  // ending on a stop goes on to the next
  EXPECT_EQ(Lay("\t\tx", DT_EXPANDTABS).lines[0].pieces[0].x, 80);
  EXPECT_EQ(Lay("ab\t", DT_EXPANDTABS).lines[0].width, 40);
  TextLayout literal = Lay("ab\tc", 0);  // not expanded: the tab is measured as a character
  EXPECT_EQ(Texts(literal), (Lines{"ab\tc"}));
  EXPECT_EQ(literal.lines[0].width, 40);
  // Wrapping measures with the tabs expanded.
  EXPECT_EQ(Texts(Lay("a\tb c", DT_EXPANDTABS | DT_WORDBREAK, {55, 100})), (Lines{"a|b", "c"}));
}

TEST(TextLayout, AmpersandMarksTheNextCharacterUnlessNoPrefix) {
  TextLayout file = Lay("&File", 0);
  EXPECT_EQ(Texts(file), (Lines{"File"}));
  ASSERT_EQ(file.lines[0].underlines.size(), 1u);
  EXPECT_EQ(file.lines[0].underlines[0].x, 0);
  EXPECT_EQ(file.lines[0].underlines[0].width, kChar);
  EXPECT_EQ(file.lines[0].width, 40);
  TextLayout saveAs = Lay("Save &As", DT_CENTER, {100, 20});
  EXPECT_EQ(saveAs.lines[0].underlines[0].x, 50);
  EXPECT_EQ(saveAs.lines[0].x, 15);  // centred without the "&"
  TextLayout doubled = Lay("a&&b", 0);
  EXPECT_EQ(Texts(doubled), (Lines{"a&b"}));
  EXPECT_TRUE(doubled.lines[0].underlines.empty());
  EXPECT_EQ(Texts(Lay("a&&&b", 0)), (Lines{"a&b"}));
  EXPECT_EQ(Lay("a&&&b", 0).lines[0].underlines[0].x, 20);
  EXPECT_EQ(Texts(Lay("ab&", 0)), (Lines{"ab"}));  // nothing left to mark
  TextLayout literal = Lay("&Yes && No", DT_NOPREFIX);
  EXPECT_EQ(Texts(literal), (Lines{"&Yes && No"}));
  EXPECT_TRUE(literal.lines[0].underlines.empty());
}

TEST(TextLayout, MnemonicsFollowTabsAndWrapping) {
  EXPECT_EQ(Lay("a\t&b", DT_EXPANDTABS).lines[0].underlines[0].x, 40);
  TextLayout wrapped = Lay("one &two", DT_WORDBREAK, {40, 100});
  ASSERT_EQ(wrapped.lines.size(), 2u);
  EXPECT_TRUE(wrapped.lines[0].underlines.empty());
  ASSERT_EQ(wrapped.lines[1].underlines.size(), 1u);
  EXPECT_EQ(wrapped.lines[1].underlines[0].x, 0);
  EXPECT_EQ(Lay("a\n&b", 0).lines[1].underlines.size(), 1u);
}

}  // namespace
}  // namespace qor::ui
