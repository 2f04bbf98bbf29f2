// The tester at start, read through the driver as a process: caption, texts and tips,
// the bound variables in binding order, the seeded generator, and a plain run's end
// (exit 0, no settings file written); the picture of the window against its
// reference (QOR_UPDATE_REFERENCES=1 rewrites it after a deliberate change of the look;
// a failing run leaves start-actual.png in the build folder).
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <set>

#include "tests/app/driver/driver_process.h"
#include "tests/tools/platform_demo/image_compare.h"
#include "window/platform/draw/png_file.h"

namespace qor::app::drv::testing {
namespace {

using qor::tool::testing::CompareImages;
using qor::tool::testing::Comparison;

TEST(DriverStart, StateListsTheBoundVariablesInBindingOrderThenFlashCount) {
  std::vector<std::string> lines = Lines(RunScriptOk("state\n"));
  ASSERT_EQ(lines.size(), 33u);
  std::vector<std::string> names;
  for (const std::string& line : lines) names.push_back(line.substr(0, line.find('\t')));
  EXPECT_EQ(names, (std::vector<std::string>{
                       "V1:U", "V1:L", "V1:B1", "V1:B2", "V1:B3", "V1:B4", "V1:H",        "V1:B",         "V2:U",
                       "V2:L", "V2:B1", "V2:B2", "V2:B3", "V2:B4", "V2:H", "V2:B",        "V3:U",         "V3:L",
                       "V3:B1", "V3:B2", "V3:B3", "V3:B4", "V3:H", "V3:B", "ButtonDelay", "ButtonRepeat", "G1S",
                       "G1",   "SH1",  "G2",   "G2S",  "GL",   "FlashCount"}));
  EXPECT_EQ(lines[0], "V1:U\t0");
  EXPECT_EQ(lines[24], "ButtonDelay\t20");
  EXPECT_EQ(lines[25], "ButtonRepeat\t10");
  std::string g1;
  for (int i = 0; i < 9; ++i) g1 += "1234567890";
  EXPECT_EQ(lines[27], "G1\t" + g1);
  EXPECT_EQ(lines[28], "SH1\t#");
  EXPECT_EQ(lines[29], "G2\t" + std::string(90, 'x'));
  EXPECT_EQ(lines[31], "GL\t90");
  EXPECT_EQ(lines[32], "FlashCount\t0");
}

TEST(DriverStart, CaptionTextsTipsAndFocus) {
  EXPECT_EQ(RunScriptOk("read 0\nread 1\nread 62\nread 31\ntip 67\ntip 31\ntip 1\nfocus\n"),
            "0\tRobin Example's Assembly Language Procedure and Function Tester!\n"
            "1\tHihgest BYTE to lowest BYTE\n"
            "62\tTo SET, RESET, and COMPLEMENT a bit, V2 must be in the range of 0 to 31, where 0 is the least "
            "significant bit and 31 is the most significant bit.   To ROTATE bits V2 must be in the range of 1 "
            "to 32.\n"
            "31\t0\n"
            "67\tTest the V2 bit of V1 and put the result in V3 ( 1 = Set it, 0 = Didn't set it ) then, if not "
            "already set,  set the V2 bit of V1.\n"
            "31\t\n"
            "1\t\n"
            "focus\t6\n");
}

TEST(DriverStart, RandomFillsFollowTheSeedAndHeadlessRunsAreAlike) {
  const std::string script = "press 7\nstate\n";
  auto v1 = [&](const std::vector<std::string>& extra) { return Lines(RunScriptOk(script, extra)).at(0); };
  std::string seeded = v1({"--seed", "12345"});
  EXPECT_EQ(v1({"--seed", "12345"}), seeded);
  EXPECT_NE(v1({"--seed", "54321"}), seeded);
  EXPECT_EQ(v1({}), v1({}));  // the virtual clock seeds every headless run alike
  EXPECT_NE(seeded, "V1:U\t0");
}

TEST(DriverStart, ClosingExitsZeroAndLeavesNoSettingsFile) {
  char here[4096];
  ASSERT_TRUE(getcwd(here, sizeof here));
  std::string settings = std::string(here) + "/kzt_asm.INI";
  unlink(settings.c_str());
  for (const char* script : {"", "close\n", "# only a comment\n", "key Alt+F4\n"}) {
    SCOPED_TRACE(script);
    test::ProcessResult result = RunScript(script);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_NE(access(settings.c_str(), F_OK), 0);
  }
}

TEST(DriverStart, TheWindowAtStartMatchesItsReference) {
  std::string shot = OutputPath("start.png");
  std::string shown = OutputPath("start-shown.png");
  RunScriptOk("shot " + shot + "\nshown " + shown + "\n");
  std::optional<ui::Canvas> image = ui::ReadPng(shot);
  std::optional<ui::Canvas> client = ui::ReadPng(shown);
  ASSERT_TRUE(image && client);
  EXPECT_EQ(client->Width(), 797);  // 531 x 295 dialog units of Arial 8 pt
  EXPECT_EQ(client->Height(), 480);
  EXPECT_GT(image->Width(), client->Width());  // the frame is in the shot

  std::string reference = std::string(QOR_DRIVER_REFERENCES) + "/start.png";
  if (getenv("QOR_UPDATE_REFERENCES")) {
    ASSERT_TRUE(ui::WritePng(*image, reference));
    return;
  }
  std::string error;
  std::optional<ui::Canvas> expected = ui::ReadPng(reference, &error);
  ASSERT_TRUE(expected) << error;
  qor::tool::testing::Tolerance tolerance{40, expected->Width() * expected->Height() / 200};
  Comparison result = CompareImages(*image, *expected, tolerance.channel);
  if (!result.Within(tolerance)) ui::WritePng(*image, std::string(QOR_DRIVER_OUTPUT) + "/start-actual.png");
  EXPECT_TRUE(result.sameSize);
  EXPECT_LE(result.differing, tolerance.pixels) << "worst channel difference " << result.worstChannel;

  std::set<ui::Pixel> colours;  // a reference rewritten from a broken rendering must not pass
  for (int y = 0; y < expected->Height(); ++y) {
    for (int x = 0; x < expected->Width(); ++x) colours.insert(expected->At(x, y));
  }
  EXPECT_GT(colours.size(), 8u);
}

}  // namespace
}  // namespace qor::app::drv::testing
