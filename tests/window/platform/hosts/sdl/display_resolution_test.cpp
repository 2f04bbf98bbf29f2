// The logical resolution the desktop asks for.
#include "window/platform/hosts/sdl/display_resolution.h"

#include <gtest/gtest.h>

namespace qor::ui {
namespace {

TEST(DisplayResolution, XftDpiIsReadFromTheResourceString) {
  EXPECT_EQ(XftDpiFromResources("Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n"), 192);
  EXPECT_EQ(XftDpiFromResources("Xft.dpi: 144.4"), 144);
  EXPECT_EQ(XftDpiFromResources("Xcursor.size:\t24\n"), std::nullopt);
  EXPECT_EQ(XftDpiFromResources("MyXft.dpi:\t200\n"), std::nullopt);  // another resource's name
  EXPECT_EQ(XftDpiFromResources("Xft.dpi:\tlarge\n"), std::nullopt);
  EXPECT_EQ(XftDpiFromResources(""), std::nullopt);
}

TEST(DisplayResolution, QorDpiMustBeAWholeNumber) {
  EXPECT_EQ(DpiFromText("120"), 120);
  EXPECT_EQ(DpiFromText("12a"), std::nullopt);
  EXPECT_EQ(DpiFromText("-96"), std::nullopt);
  EXPECT_EQ(DpiFromText(""), std::nullopt);
  EXPECT_EQ(DpiFromText("99999999999"), std::nullopt);
}

}  // namespace
}  // namespace qor::ui
