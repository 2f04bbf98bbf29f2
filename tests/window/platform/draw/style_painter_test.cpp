// The one painter for bevels: raised and default buttons, flat buttons at rest, hot and
// pressed, arrow buttons and a spin box's pair, and a field's sunken well.
#include "window/platform/draw/style_painter.h"

#include <gtest/gtest.h>

#include "tests/window/platform/draw/canvas_check.h"
#include "window/platform/draw/system_colors.h"

namespace qor::ui::testing {
namespace {

// In the classic scheme the 3-D light is the face colour and the window frame is black,
// as the dark shadow is: those read as '.' and 'D'.
std::map<ColorRef, char> Letters() {
  return {{GetSysColor(COLOR_BTNFACE), '.'},   {GetSysColor(COLOR_3DHILIGHT), 'H'},
          {GetSysColor(COLOR_3DSHADOW), 'S'},  {GetSysColor(COLOR_3DDKSHADOW), 'D'}};
}

std::vector<std::string> Paint(BevelStyle style, BevelState state, Rect* content = nullptr) {
  DeviceContext dc = CanvasContext(6, 4);
  Rect inside = PaintButtonBevel(&dc, {0, 0, 6, 4}, style, state);
  if (content) *content = inside;
  return Picture(*dc.canvas, {0, 0, 6, 4}, Letters());
}

TEST(StylePainter, FlatButtonsAreFlatAtRestThinRaisedWhenHotAndSunkenWhenPressed) {
  EXPECT_EQ(Paint(BevelStyle::Flat, {}), (std::vector<std::string>{"......", "......", "......", "......"}));
  EXPECT_EQ(Paint(BevelStyle::Flat, {false, true}),
            (std::vector<std::string>{"HHHHHS", "H....S", "H....S", "SSSSSS"}));
  Rect content;
  EXPECT_EQ(Paint(BevelStyle::Flat, {true, true}, &content),
            (std::vector<std::string>{"SSSSSH", "S....H", "S....H", "HHHHHH"}));
  EXPECT_EQ(content, (Rect{1, 1, 7, 5}));  // a pressed button's content moves down and right
}

TEST(StylePainter, RaisedButtonsSinkWhenPressedAndTheDefaultHasADarkFrame) {
  EXPECT_EQ(Paint(BevelStyle::Raised, {}), (std::vector<std::string>{".....D", ".HHHSD", ".SSSSD", "DDDDDD"}));
  EXPECT_EQ(Paint(BevelStyle::Raised, {true}), (std::vector<std::string>{"SSSSSH", "SDDD.H", "S....H", "HHHHHH"}));
  EXPECT_EQ(Paint(BevelStyle::Raised, {true, false, true}),
            (std::vector<std::string>{"DDDDDD", "DSSSSD", "DSSSSD", "DDDDDD"}));
  EXPECT_EQ(Paint(BevelStyle::Raised, {false, false, true}),
            (std::vector<std::string>{"DDDDDD", "D...DD", "DDDDDD", "DDDDDD"}));
}

TEST(StylePainter, ArrowGlyphsPointTheirWayCentredInTheirBox) {
  std::map<ColorRef, char> letters{{RGB(255, 255, 255), '.'}, {GetSysColor(COLOR_BTNTEXT), '#'}};
  auto glyph = [&](ArrowDirection direction) {
    DeviceContext dc = CanvasContext(7, 5);
    PaintArrowGlyph(&dc, {0, 0, 7, 5}, direction, GetSysColor(COLOR_BTNTEXT));
    return Picture(*dc.canvas, {0, 0, 7, 5}, letters);
  };
  EXPECT_EQ(glyph(ArrowDirection::Up), (std::vector<std::string>{".......", "...#...", "..###..", ".......", "......."}));
  EXPECT_EQ(glyph(ArrowDirection::Down), (std::vector<std::string>{".......", "..###..", "...#...", ".......", "......."}));
  EXPECT_EQ(glyph(ArrowDirection::Left), (std::vector<std::string>{".......", "...#...", "..##...", "...#...", "......."}));
}

TEST(StylePainter, ASpinBoxHasAnUpperAndALowerArrowEachPressedOnItsOwn) {
  Rect spin{0, 0, 16, 22};
  EXPECT_EQ(SpinUpRect(spin), (Rect{0, 0, 16, 11}));
  EXPECT_EQ(SpinDownRect(spin), (Rect{0, 11, 16, 22}));
  DeviceContext dc = CanvasContext(16, 22);
  PaintSpinArrows(&dc, {spin, false, true, true});
  EXPECT_EQ(ColorFromPixel(dc.canvas->At(0, 0)), GetSysColor(COLOR_3DLIGHT));
  EXPECT_EQ(ColorFromPixel(dc.canvas->At(0, 11)), GetSysColor(COLOR_3DSHADOW));
  EXPECT_GT(InkCount(*dc.canvas, {2, 2, 14, 9}, GetSysColor(COLOR_BTNFACE)), 0);   // the up arrow
  EXPECT_GT(InkCount(*dc.canvas, {2, 13, 14, 20}, GetSysColor(COLOR_BTNFACE)), 0);  // the down arrow
}

TEST(StylePainter, ASunkenWellIsTwoPixelsDarkAboveAndLightBelow) {
  DeviceContext dc = CanvasContext(6, 5);
  EXPECT_EQ(PaintSunkenWell(&dc, {0, 0, 6, 5}), (Rect{2, 2, 4, 3}));
  // The inside is left as it was (white here, as the highlight is).
  EXPECT_EQ(Picture(*dc.canvas, {0, 0, 6, 5}, Letters()),
            (std::vector<std::string>{"SSSSSH", "SDDD.H", "SDHH.H", "S....H", "HHHHHH"}));
}

}  // namespace
}  // namespace qor::ui::testing
