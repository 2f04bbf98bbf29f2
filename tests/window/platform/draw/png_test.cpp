// PNG files: a canvas written and read back is the same, pixel for pixel; bad files and
// paths are reported, not fatal.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/window/platform/core/recorder.h"
#include "window/platform/draw/png_file.h"
#include "window/platform/draw/window_canvas.h"

namespace qor::ui::testing {
namespace {

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("qor_png_" + std::to_string(::getpid()) + "_" + name)).string();
}

TEST(Png, CanvasSurvivesTheRoundTrip) {
  Canvas canvas(7, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 7; ++x) canvas.Set(x, y, PixelFromColor(RGB(x * 30, y * 100, (x * y * 17) & 0xFF)));
  }
  std::string path = TempPath("round.png");
  std::string error;
  ASSERT_TRUE(WritePng(canvas, path, &error)) << error;
  std::optional<Canvas> back = ReadPng(path, &error);
  std::remove(path.c_str());
  ASSERT_TRUE(back) << error;
  ASSERT_EQ(back->Width(), 7);
  ASSERT_EQ(back->Height(), 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 7; ++x) EXPECT_EQ(back->At(x, y), canvas.At(x, y)) << x << "," << y;
  }
}

TEST(Png, BadPathsAndFilesAreReported) {
  std::string error;
  EXPECT_FALSE(WritePng(Canvas(2, 2), "/nonexistent-dir/x.png", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(WritePng(Canvas(), TempPath("empty.png"), &error));
  EXPECT_EQ(error, "empty canvas");
  error.clear();
  EXPECT_FALSE(ReadPng(TempPath("missing.png"), &error));
  EXPECT_FALSE(error.empty());
  std::string garbage = TempPath("garbage.png");
  std::ofstream(garbage) << "\x89PNG\r\n\x1a\n but not really";
  EXPECT_FALSE(ReadPng(garbage, &error));
  std::remove(garbage.c_str());
}

using WindowPng = PlatformTest;

TEST_F(WindowPng, AnyWindowWritesItsTopLevelCanvas) {
  Hwnd main = Make("main", WS_POPUP | WS_VISIBLE, Hwnd{}, {0, 0, 12, 8});
  Hwnd child = Make("child", WS_CHILD | WS_VISIBLE, main, {1, 1, 4, 4});
  WindowCanvas(main)->Set(3, 2, PixelFromColor(RGB(9, 8, 7)));
  std::string path = TempPath("window.png");
  ASSERT_TRUE(WriteWindowPng(child, path));
  std::optional<Canvas> back = ReadPng(path);
  std::remove(path.c_str());
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Width(), 12);
  EXPECT_EQ(ColorFromPixel(back->At(3, 2)), RGB(9, 8, 7));
  std::string error;
  EXPECT_FALSE(WriteWindowPng(Hwnd{9999}, path, &error));
  EXPECT_EQ(error, "no such window");
}

}  // namespace
}  // namespace qor::ui::testing
