// Character positions within a line, for the caret and for clicks.
#include "window/platform/draw/line_positions.h"

#include <gtest/gtest.h>

#include "tests/window/platform/draw/canvas_check.h"
#include "window/platform/draw/font.h"

namespace qor::ui {
namespace {

// Characters 10, 10, 4 and 6 pixels wide.
LinePositions FourCharacters() { return LinePositions({10, 20, 24, 30}); }

TEST(LinePositions, BoundariesLieAfterEachCharacter) {
  LinePositions line = FourCharacters();
  EXPECT_EQ(line.X(0), 0);
  EXPECT_EQ(line.X(1), 10);
  EXPECT_EQ(line.X(3), 24);
  EXPECT_EQ(line.X(4), 30);
  EXPECT_EQ(line.X(9), 30);
  EXPECT_EQ(LinePositions().X(3), 0);
  EXPECT_EQ(line.Width(), 30);
}

TEST(LinePositions, AClickGoesToTheNearerSideOfTheCharacterUnderIt) {
  LinePositions line = FourCharacters();
  EXPECT_EQ(line.BoundaryAt(-5), 0u);
  EXPECT_EQ(line.BoundaryAt(4), 0u);
  EXPECT_EQ(line.BoundaryAt(5), 1u);    // the middle of the first character goes after it
  EXPECT_EQ(line.BoundaryAt(21), 2u);
  EXPECT_EQ(line.BoundaryAt(22), 3u);
  EXPECT_EQ(line.BoundaryAt(29), 4u);
  EXPECT_EQ(line.BoundaryAt(300), 4u);
  EXPECT_EQ(line.CharacterAt(10), 1u);
  EXPECT_EQ(line.CharacterAt(29), 3u);
  EXPECT_EQ(line.CharacterAt(30), 4u);
  EXPECT_EQ(LinePositions().BoundaryAt(7), 0u);
}

TEST(LinePositions, AMeasuredLineAddsUpTheAdvancesTheFontDrawsWith) {
  DeviceContext dc = testing::CanvasContext(10, 10);
  LinePositions line = MeasureLinePositions(&dc, "Wil");
  Size whole;
  ASSERT_TRUE(GetTextExtentPoint32(&dc, "Wil", &whole));
  Size first;
  GetTextExtentPoint32(&dc, "W", &first);
  EXPECT_EQ(line.Count(), 3u);
  EXPECT_EQ(line.X(1), first.cx);
  EXPECT_EQ(line.Width(), whole.cx);
  EXPECT_EQ(MeasureLinePositions(&dc, "").Count(), 0u);
}

}  // namespace
}  // namespace qor::ui
