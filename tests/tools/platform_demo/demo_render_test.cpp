// The demonstration rendered headless against the reference images checked in next to
// this file. After a deliberate change of the look, QOR_UPDATE_REFERENCES=1 rewrites them
// (look at them before committing); a failing run leaves NAME-actual.png in the build
// folder.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <set>

#include "tests/tools/platform_demo/image_compare.h"
#include "tools/platform_demo/demo_render.h"
#include "window/platform/draw/png_file.h"

namespace qor::tool::testing {
namespace {

std::string ReferencePath(const std::string& name) { return std::string(QOR_DEMO_REFERENCES) + "/" + name + ".png"; }

// At most one pixel in 200 may differ by more than a light shade.
Tolerance ToleranceFor(const ui::Canvas& image) { return {40, image.Width() * image.Height() / 200}; }

class DemoRender : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { images = new std::vector<DemoImage>(RenderDemo()); }
  static void TearDownTestSuite() { delete images; }
  static const ui::Canvas* Image(const std::string& name) {
    for (const DemoImage& image : *images) {
      if (image.name == name) return &image.pixels;
    }
    return nullptr;
  }
  static std::vector<DemoImage>* images;
};
std::vector<DemoImage>* DemoRender::images = nullptr;

TEST_F(DemoRender, MakesTheMainWindowTheDialogAndTheScreen) {
  ASSERT_NE(Image("main"), nullptr);
  ASSERT_NE(Image("dialog"), nullptr);
  ASSERT_NE(Image("screen"), nullptr);
  EXPECT_GT(Image("main")->Width(), Image("dialog")->Width());
}

TEST_F(DemoRender, MatchesTheReferenceImages) {
  bool update = getenv("QOR_UPDATE_REFERENCES") != nullptr;
  for (const DemoImage& image : *images) {
    SCOPED_TRACE(image.name);
    if (update) {
      ASSERT_TRUE(ui::WritePng(image.pixels, ReferencePath(image.name)));
      continue;
    }
    std::string error;
    std::optional<ui::Canvas> reference = ui::ReadPng(ReferencePath(image.name), &error);
    ASSERT_TRUE(reference) << error;
    Comparison result = CompareImages(image.pixels, *reference, ToleranceFor(*reference).channel);
    if (!result.Within(ToleranceFor(*reference))) {
      ui::WritePng(image.pixels, std::string(QOR_DEMO_OUTPUT) + "/" + image.name + "-actual.png");
    }
    EXPECT_TRUE(result.sameSize) << image.pixels.Width() << "x" << image.pixels.Height() << " against "
                                 << reference->Width() << "x" << reference->Height();
    EXPECT_LE(result.differing, ToleranceFor(*reference).pixels) << "worst channel difference " << result.worstChannel;
  }
}

TEST_F(DemoRender, TheReferencesShowSomething) {
  // A reference rewritten from a broken rendering (a plain grey window) must not pass.
  std::optional<ui::Canvas> main = ui::ReadPng(ReferencePath("main"));
  ASSERT_TRUE(main);
  std::set<ui::Pixel> colours;
  for (int y = 0; y < main->Height(); ++y) {
    for (int x = 0; x < main->Width(); ++x) colours.insert(main->At(x, y));
  }
  EXPECT_GT(colours.size(), 8u);
}

TEST(ImageCompare, CountsPixelsBeyondTheChannelTolerance) {
  ui::Canvas a(4, 2, 0xFF808080);
  ui::Canvas b = a;
  b.Set(0, 0, 0xFF808090);  // 16 off in blue: within 40
  b.Set(1, 0, 0xFF308080);  // 80 off in red
  Comparison result = CompareImages(a, b, 40);
  EXPECT_TRUE(result.sameSize);
  EXPECT_EQ(result.differing, 1);
  EXPECT_EQ(result.worstChannel, 80);
  EXPECT_FALSE(result.Within({40, 0}));
  EXPECT_TRUE(result.Within({40, 1}));
  EXPECT_FALSE(CompareImages(a, ui::Canvas(4, 3), 40).sameSize);
}

}  // namespace
}  // namespace qor::tool::testing
