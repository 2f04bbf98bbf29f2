// The runtime's own boxes as message boxes, in real processes: the run-time error report
// and HALT answered by keys, a second error while the report is up, the picture of the
// report for 501, and the same box on the desktop host under a private Xvfb.
#include <gtest/gtest.h>

#include <stdlib.h>

#include "tests/tools/platform_demo/image_compare.h"
#include "tests/tools/platform_demo/xvfb_server.h"
#include "tests/tools/run_process.h"
#include "window/platform/draw/png_file.h"

namespace qor::test {
namespace {

constexpr char kReport[] = "Runtime error: Internal error 01 : String Stack Error\n";

TEST(BoxProbeTest, TheReportIsARealBoxAndNoEndsWithTwo) {
  ProcessResult r = RunProgram("box_probe", {"error", "look", "N"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.out, "box Runtime error | 2704: -1:Internal error 01 : String Stack Error//Do you want to GPF? 6:&Yes 7:&No*\n");
  EXPECT_EQ(r.err, kReport);  // the report goes to standard error as well
}

TEST(BoxProbeTest, HaltShowsItsBoxAndEndsWithItsCode) {
  ProcessResult r = RunProgram("box_probe", {"halt", "look", "Enter"});
  EXPECT_EQ(r.exitCode, 7);
  EXPECT_EQ(r.out, "box Halt | 2704: -1:stopping here 1:OK*\n");
  EXPECT_EQ(r.err, "Halt: stopping here\n");
}

TEST(BoxProbeTest, AnErrorWhileTheReportIsUpShowsNoSecondBox) {
  ProcessResult r = RunProgram("box_probe", {"nested", "look", "raise", "look"});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.out.find("box", 1), std::string::npos);  // one box only
  EXPECT_EQ(r.err, std::string(kReport) + "Runtime error: Internal error 02 : raised while the report is up\n");
}

TEST(BoxProbeTest, NobodyAnsweringTakesTheOrderlyPath) {
  ProcessResult r = RunProgram("box_probe", {"error"});  // the headless loop starves: no answer
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.err, kReport);
}

std::string Output(const std::string& name) { return std::string(QOR_TOOLS_OUTPUT) + "/" + name; }

// Pixels of the picture that differ from the reference. The desktop shows the client
// area alone (the desktop draws the frame), so a smaller picture is compared with the
// reference inside its frame (as wide at the left, right and bottom).
int DifferingPixels(const std::string& shown) {
  std::optional<ui::Canvas> actual = ui::ReadPng(shown);
  std::optional<ui::Canvas> reference = ui::ReadPng(std::string(QOR_TOOLS_REFERENCE) + "/report_501.png");
  if (!actual || !reference) return -1;
  int edge = (reference->Width() - actual->Width()) / 2;
  int top = reference->Height() - actual->Height() - edge;
  ui::Rect part{edge, top, edge + actual->Width(), top + actual->Height()};
  tool::testing::Comparison c = tool::testing::CompareImages(*reference, part, *actual, 40);
  return c.sameSize ? c.differing : -2;
}

TEST(BoxPictureTest, TheReportFor501LooksLikeItsReference) {
  std::string shown = Output("report_501.png");
  ProcessResult r = RunProgram("box_probe", {"error", "png:" + shown, "N"});
  ASSERT_EQ(r.exitCode, 2);
  EXPECT_EQ(DifferingPixels(shown), 0) << shown;
}

TEST(BoxPictureTest, OnTheDesktopUnderXvfbTheSamePixelsAndNoEndsWithTwo) {
  if (!tool::testing::XvfbServer::Installed()) GTEST_SKIP() << "Xvfb is not installed (scripts/setup.sh installs it)";
  tool::testing::XvfbServer xvfb;
  std::string error;
  ASSERT_TRUE(xvfb.Start(&error)) << error;
  std::string shown = Output("report_501_desktop.png");
  ProcessResult r = RunProgram("box_probe", {"--desktop", "error", "png:" + shown, "N"},
                               {"SDL_VIDEODRIVER=x11", "DISPLAY=" + xvfb.Display()});
  EXPECT_EQ(r.exitCode, 2) << r.err;
  EXPECT_EQ(r.err, kReport);
  EXPECT_EQ(DifferingPixels(shown), 0) << shown;
}

}  // namespace
}  // namespace qor::test
