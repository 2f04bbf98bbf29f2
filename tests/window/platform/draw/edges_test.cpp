// 3-D edges: which colour each ring and corner takes for buttons and fields.
#include <gtest/gtest.h>

#include "tests/window/platform/draw/canvas_check.h"
#include "window/platform/draw/edges.h"
#include "window/platform/draw/system_colors.h"

namespace qor::ui::testing {
namespace {

using Rows = std::vector<std::string>;

// Distinct colours for the 3-D colours, so each ring can be told apart.
class Edges : public ::testing::Test {
 protected:
  void SetUp() override {
    SetSysColor(COLOR_3DHILIGHT, RGB(255, 255, 255));  // 'H'
    SetSysColor(COLOR_3DLIGHT, RGB(220, 220, 220));    // 'L'
    SetSysColor(COLOR_3DFACE, RGB(192, 192, 192));     // 'F'
    SetSysColor(COLOR_3DSHADOW, RGB(128, 128, 128));   // 'S'
    SetSysColor(COLOR_3DDKSHADOW, RGB(0, 0, 0));       // 'D'
  }
  void TearDown() override { ResetSysColors(); }

  Rows Draw(uint32_t edge, uint32_t flags, Rect* adjusted = nullptr) {
    DeviceContext dc = CanvasContext(6, 5);
    dc.canvas->Fill(dc.canvas->Bounds(), PixelFromColor(RGB(1, 1, 1)));  // '.'
    Rect rect{0, 0, 6, 5};
    EXPECT_TRUE(DrawEdge(&dc, &rect, edge, flags));
    if (adjusted) *adjusted = rect;
    return Picture(*dc.canvas, dc.canvas->Bounds(),
                   {{RGB(255, 255, 255), 'H'}, {RGB(220, 220, 220), 'L'}, {RGB(192, 192, 192), 'F'},
                    {RGB(128, 128, 128), 'S'}, {RGB(0, 0, 0), 'D'}, {RGB(1, 1, 1), '.'}});
  }
};

TEST_F(Edges, RaisedButtonIsLightAboveAndDarkBelowWithTheFarCornersDark) {
  EXPECT_EQ(Draw(EDGE_RAISED, BF_RECT | BF_MIDDLE), (Rows{
                                                        "LLLLLD",
                                                        "LHHHSD",
                                                        "LHFFSD",
                                                        "LSSSSD",
                                                        "DDDDDD",
                                                    }));
}

TEST_F(Edges, SunkenFieldIsDarkAboveAndLightBelow) {
  EXPECT_EQ(Draw(EDGE_SUNKEN, BF_RECT), (Rows{
                                            "SSSSSH",
                                            "SDDDLH",
                                            "SD..LH",
                                            "SLLLLH",
                                            "HHHHHH",
                                        }));
}

TEST_F(Edges, AdjustLeavesTheInsideAndSidesCanBeLeftOut) {
  Rect inside;
  EXPECT_EQ(Draw(EDGE_SUNKEN, BF_BOTTOM | BF_ADJUST, &inside), (Rows{
                                                                   "......",
                                                                   "......",
                                                                   "......",
                                                                   "LLLLLL",
                                                                   "HHHHHH",
                                                               }));
  EXPECT_EQ(inside, (Rect{0, 0, 6, 3}));
  EXPECT_EQ(Draw(EDGE_RAISED, BF_RECT | BF_ADJUST, &inside)[0], "LLLLLD");
  EXPECT_EQ(inside, (Rect{2, 2, 4, 3}));
}

TEST_F(Edges, FlatBorderIsShadowOutsideAndFaceInside) {
  EXPECT_EQ(Draw(EDGE_RAISED, BF_RECT | BF_FLAT), (Rows{
                                                      "SSSSSS",
                                                      "SFFFFS",
                                                      "SF..FS",
                                                      "SFFFFS",
                                                      "SSSSSS",
                                                  }));
}

TEST_F(Edges, NoContextOrRectangleIsRefused) {
  Rect rect{0, 0, 4, 4};
  EXPECT_FALSE(DrawEdge(nullptr, &rect, EDGE_RAISED, BF_RECT));
  DeviceContext dc = CanvasContext(4, 4);
  EXPECT_FALSE(DrawEdge(&dc, nullptr, EDGE_RAISED, BF_RECT));
}

}  // namespace
}  // namespace qor::ui::testing
