// Icon files: bitmap images at every colour depth with their masks, PNG images, the
// directory and its index, and bad files refused with a reason and no stray read.
#include <gtest/gtest.h>

#include <random>

#include "tests/window/platform/resources/ico_builder.h"
#include "window/platform/resources/icon_file.h"

namespace qor::ui::testing {
namespace {

constexpr Pixel kRed = 0xFFFF0000u;
constexpr Pixel kBlue = 0xFF0000FFu;
constexpr Pixel kClear = 0;

// Red left half, blue right half, a transparent top-left corner pixel.
Pixel Pattern(int x, int y) {
  if (x == 0 && y == 0) return kClear;
  return x < 4 ? kRed : kBlue;
}

std::span<const uint8_t> Span(const Bytes& bytes) { return bytes; }

class BitmapDepth : public ::testing::TestWithParam<int> {};

TEST_P(BitmapDepth, ColoursAndMaskComeBack) {
  Bytes file = IconFile({BitmapImage(8, 3, GetParam(), Pattern)});
  std::string error;
  std::optional<IconImage> image = ReadIconImage(Span(file), 0, &error);
  ASSERT_TRUE(image) << error;
  EXPECT_EQ(image->width, 8);
  EXPECT_EQ(image->height, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 8; ++x) EXPECT_EQ(image->At(x, y), Pattern(x, y)) << x << "," << y;
  }
}

INSTANTIATE_TEST_SUITE_P(IconFile, BitmapDepth, ::testing::Values(1, 4, 8, 24, 32));

TEST(IconFile, ThirtyTwoBitImagesKeepTheirOwnAlphaOverTheMask) {
  auto halfClear = [](int x, int) -> Pixel { return x < 2 ? 0x80FF0000u : 0xFF00FF00u; };
  Bytes bitmap = BitmapImage(4, 2, 32, halfClear);
  std::optional<IconImage> image = ReadIconImage(Span(IconFile({bitmap})), 0, nullptr);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->At(0, 0), 0x80FF0000u);
  EXPECT_EQ(image->At(3, 1), 0xFF00FF00u);
  // Without its mask (some writers leave it out) the image still reads.
  bitmap.resize(bitmap.size() - 8);
  EXPECT_TRUE(ReadIconImage(Span(IconFile({bitmap})), 0, nullptr));
}

TEST(IconFile, PngImagesReadWithTheirAlpha) {
  auto source = [](int x, int y) -> Pixel { return x == y ? 0 : 0xFF102030u + static_cast<Pixel>(x); };
  Bytes file = IconFile({PngImage(5, 5, source)});
  std::string error;
  std::optional<IconImage> image = ReadIconImage(Span(file), 0, &error);
  ASSERT_TRUE(image) << error;
  EXPECT_EQ(image->width, 5);
  EXPECT_EQ((image->At(2, 2) >> 24), 0u);
  EXPECT_EQ(image->At(4, 1), 0xFF102034u);
}

TEST(IconFile, TheIndexSelectsOneImageAndAllImagesMakeOneIcon) {
  Bytes file = IconFile({BitmapImage(16, 16, 8, Pattern), BitmapImage(32, 32, 24, Pattern), PngImage(8, 8, Pattern)});
  EXPECT_EQ(CountIconImages(Span(file), nullptr), 3);
  EXPECT_EQ(ReadIconImage(Span(file), 1, nullptr)->width, 32);
  EXPECT_EQ(ReadIconImage(Span(file), 2, nullptr)->width, 8);
  std::string error;
  EXPECT_FALSE(ReadIconImage(Span(file), 3, &error));
  EXPECT_EQ(error, "no icon image 3 (the file holds 3)");
  EXPECT_FALSE(ReadIconImage(Span(file), -1, nullptr));

  std::string path = WriteTemporary("three.ico", file);
  EXPECT_EQ(ExtractIconCount(path), 3);
  IconHandle all = LoadIconFile(path);
  EXPECT_EQ(GetIconSize(all), (Size{32, 32}));
  EXPECT_EQ(IconFromHandle(all)->images.size(), 3u);
  IconHandle second = LoadIconFromFileName(path + "[2]");
  EXPECT_EQ(GetIconSize(second), (Size{8, 8}));
  EXPECT_TRUE(DestroyIcon(all));
  EXPECT_TRUE(DestroyIcon(second));
  EXPECT_FALSE(DestroyIcon(second));
  EXPECT_EQ(IconFromHandle(second), nullptr);
}

TEST(IconFile, FileErrorsSayWhat) {
  std::string error;
  EXPECT_EQ(LoadIconFile("/nonexistent/a.ico", &error), IconHandle::None);
  EXPECT_EQ(error, "cannot read /nonexistent/a.ico");
  EXPECT_EQ(ExtractIconCount("/nonexistent/a.ico"), -1);
  std::string path = WriteTemporary("one.ico", IconFile({BitmapImage(4, 4, 4, Pattern)}));
  EXPECT_EQ(LoadIconFromFileName(path + "[x]", &error), IconHandle::None);
  EXPECT_EQ(error, "bad icon index in " + path + "[x]");
  EXPECT_EQ(LoadIconFromFileName(path + "[1]", &error), IconHandle::None);
  EXPECT_EQ(error, "no icon image 1 (the file holds 1)");
  std::string text = WriteTemporary("text.ico", Bytes{'h', 'e', 'l', 'l', 'o', '!', '!'});
  EXPECT_EQ(ExtractIconCount(text, &error), -1);
  EXPECT_EQ(error, "not an icon file: bad directory header");
}

TEST(IconFile, BadHeadersAndEntriesAreRefusedWithAReason) {
  Bytes good = IconFile({BitmapImage(4, 4, 8, Pattern)});
  auto reason = [](Bytes file) {
    std::string error;
    EXPECT_FALSE(ReadIconImages(Span(file), &error));
    return error;
  };
  EXPECT_EQ(reason({}), "not an icon file: too short");
  Bytes none = {0, 0, 1, 0, 0, 0};
  EXPECT_EQ(reason(none), "icon file holds no image");
  Bytes many = {0, 0, 1, 0, 200, 0};
  EXPECT_EQ(reason(many), "icon directory cut short");
  Bytes outside = good;
  outside[18] = 0xFF;  // the image's offset now points past the end
  EXPECT_EQ(reason(outside), "icon image 0 lies outside the file");
  Bytes depth = good;
  depth[22 + 14] = 16;
  EXPECT_EQ(reason(depth), "icon image 0: unsupported colour depth 16");
  Bytes huge = good;
  huge[22 + 5] = 0x7F;  // a width of 32516 pixels
  EXPECT_EQ(reason(huge), "icon image 0: bad bitmap size");
  Bytes packed = good;
  packed[22 + 16] = 1;  // run-length compression
  EXPECT_EQ(reason(packed), "icon image 0: compressed bitmaps are not supported");
  Bytes png = IconFile({PngImage(4, 4, Pattern)});
  png[22 + 20] ^= 0xFF;  // damages the header chunk
  EXPECT_NE(reason(png).find("bad PNG image"), std::string::npos);
}

TEST(IconFile, EveryTruncationIsRefusedCleanly) {
  for (Bytes file : {IconFile({BitmapImage(9, 9, 4, Pattern)}), IconFile({PngImage(6, 6, Pattern)})}) {
    for (size_t size = 0; size < file.size(); ++size) {
      Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
      std::string error;
      EXPECT_FALSE(ReadIconImages(Span(cut), &error)) << size;
      EXPECT_FALSE(error.empty());
    }
  }
}

TEST(IconFile, GarbageNeverReadsOutsideTheData) {
  std::mt19937 random(7);
  Bytes base = IconFile({BitmapImage(8, 8, 8, Pattern), PngImage(4, 4, Pattern)});
  for (int round = 0; round < 2000; ++round) {
    Bytes file = base;
    for (int flips = 0; flips < 4; ++flips) file[random() % file.size()] = static_cast<uint8_t>(random());
    // Run under the sanitizers, a stray read would stop the test; here only the result counts.
    std::optional<std::vector<IconImage>> images = ReadIconImages(Span(file), nullptr);
    if (images) {
      for (const IconImage& image : *images) EXPECT_EQ(image.pixels.size(), size_t(image.width) * image.height);
    }
  }
}

}  // namespace
}  // namespace qor::ui::testing
