// A push button with an icon: the icon at the small icon size on the side the look
// names, the caption beside it, the pair centred on the face.
#include "window/platform/system_controls/button_painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "tests/window/platform/draw/canvas_check.h"
#include "window/platform/draw/color.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/resources/icon.h"

namespace qor::ui::testing {
namespace {

// The smallest rectangle of `area` holding every pixel of `colour` (or, with `other`,
// every pixel of neither `colour` nor `other`).
Rect BoundsOf(const Canvas& canvas, const Rect& area, ColorRef colour, std::optional<ColorRef> other = {}) {
  Rect bounds{area.right, area.bottom, area.left, area.top};
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      ColorRef at = ColorFromPixel(canvas.At(x, y));
      if (other ? (at == colour || at == *other) : at != colour) continue;
      bounds = {std::min(bounds.left, x), std::min(bounds.top, y), std::max(bounds.right, x + 1),
                std::max(bounds.bottom, y + 1)};
    }
  }
  return bounds;
}

class ButtonIcon : public ::testing::Test {
 protected:
  void SetUp() override {
    IconImage red{32, 32, std::vector<Pixel>(32 * 32, 0xFFFF0000)};
    icon = CreateIconFromImages({red});
  }
  void TearDown() override { DestroyIcon(icon); }

  // "icon WxH, caption <where>": where the icon's red and the caption's ink lie.
  std::string Paint(IconPlace place, std::string_view caption, Rect* iconAt = nullptr) {
    DeviceContext dc = CanvasContext(kWidth, kHeight);
    ButtonLook look{{0, 0, kWidth, kHeight}, caption};
    look.icon = icon;
    look.iconPlace = place;
    PaintPushButton(&dc, look);
    Rect face{3, 3, kWidth - 3, kHeight - 3};
    Rect red = BoundsOf(*dc.canvas, face, RGB(255, 0, 0));
    Rect text = BoundsOf(*dc.canvas, face, RGB(255, 0, 0), GetSysColor(COLOR_BTNFACE));  // smoothed edges too
    if (iconAt) *iconAt = red;
    std::string line = "icon " + std::to_string(red.Width()) + "x" + std::to_string(red.Height());
    if (text.IsEmpty()) return line + ", no caption";
    if (text.left >= red.right + 3) line += ", caption right of it";
    if (text.right <= red.left - 3) line += ", caption left of it";
    if (text.top >= red.bottom + 3) line += ", caption below it";
    if (text.bottom <= red.top - 3) line += ", caption above it";
    // The pair is centred: as much face before the first as after the last (a caption
    // with an ascender and a descender fills its line's height).
    Rect pair{std::min(red.left, text.left), std::min(red.top, text.top), std::max(red.right, text.right),
              std::max(red.bottom, text.bottom)};
    bool sideways = place == IconPlace::kLeft || place == IconPlace::kRight;
    int before = sideways ? pair.left - face.left : pair.top - face.top;
    int after = sideways ? face.right - pair.right : face.bottom - pair.bottom;
    if (std::abs(before - after) <= 2) line += ", centred";
    return line;
  }

  static constexpr int kWidth = 120, kHeight = 64;
  IconHandle icon = IconHandle::None;
};

TEST_F(ButtonIcon, TheIconSitsOnItsSideOfTheCaptionAndThePairIsCentred) {
  std::vector<std::string> drawn = {Paint(IconPlace::kLeft, "Help"), Paint(IconPlace::kRight, "Help"),
                                    Paint(IconPlace::kAbove, "Help"), Paint(IconPlace::kBelow, "Help")};
  EXPECT_EQ(drawn, (std::vector<std::string>{"icon 16x16, caption right of it, centred",
                                             "icon 16x16, caption left of it, centred",
                                             "icon 16x16, caption below it, centred",
                                             "icon 16x16, caption above it, centred"}));
  Rect alone;
  EXPECT_EQ(Paint(IconPlace::kLeft, "", &alone), "icon 16x16, no caption");
  EXPECT_EQ(alone, (Rect{52, 24, 68, 40}));  // in the middle of the face
}

TEST(ButtonFaceLayout, ThePairIsMeasuredTogetherAndNeverStartsBeforeTheArea) {
  EXPECT_EQ(ButtonFaceExtent({16, 16}, {30, 13}, IconPlace::kRight), (Size{50, 16}));
  EXPECT_EQ(ButtonFaceExtent({16, 16}, {30, 13}, IconPlace::kBelow), (Size{30, 33}));
  EXPECT_EQ(ButtonFaceExtent({16, 16}, {}, IconPlace::kAbove), (Size{16, 16}));
  ButtonFace tight = LayOutButtonFace({10, 10, 30, 20}, {16, 16}, {30, 13}, IconPlace::kLeft);
  EXPECT_EQ(tight.icon.left, 10);  // too wide: starts at the area's left
  EXPECT_EQ(tight.caption.left, 30);
}

}  // namespace
}  // namespace qor::ui::testing
