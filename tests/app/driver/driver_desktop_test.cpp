// The same script on the desktop host under a private Xvfb, in real time: what the
// display shows of the client area equals the headless canvas pixel for pixel.
#include <gtest/gtest.h>

#include "tests/app/driver/driver_process.h"
#include "tests/tools/platform_demo/image_compare.h"
#include "tests/tools/platform_demo/xvfb_server.h"
#include "window/platform/draw/png_file.h"

namespace qor::app::drv::testing {
namespace {

using qor::tool::testing::XvfbServer;

TEST(DriverDesktop, ShownOnXvfbEqualsTheHeadlessCanvas) {
  if (!XvfbServer::Installed()) GTEST_SKIP() << "Xvfb is not installed (scripts/setup.sh installs it)";
  const std::string steps = "press 81\nkey Tab\nkey Tab\n";  // pressed, hot, then the focus moved on
  std::string headless = OutputPath("headless-shown.png");
  test::ProcessResult quiet = RunScript(steps + "wait 100\nshown " + headless + "\n");
  ASSERT_EQ(quiet.exitCode, 0) << quiet.err;

  XvfbServer xvfb;
  std::string error;
  ASSERT_TRUE(xvfb.Start(&error)) << error;
  std::string desktop = OutputPath("desktop-shown.png");
  std::string script = OutputPath("desktop-script.txt");
  FILE* file = std::fopen(script.c_str(), "wb");
  std::fputs((steps + "wait 100\nshown " + desktop + "\n").c_str(), file);
  std::fclose(file);
  test::ProcessResult shown = RunKzt({"--script", script}, {"DISPLAY=" + xvfb.Display(), "SDL_VIDEODRIVER=x11"});
  ASSERT_EQ(shown.exitCode, 0) << shown.err;

  std::optional<ui::Canvas> a = ui::ReadPng(headless);
  std::optional<ui::Canvas> b = ui::ReadPng(desktop);
  ASSERT_TRUE(a && b);
  qor::tool::testing::Comparison result = qor::tool::testing::CompareImages(*b, *a, 0);
  EXPECT_TRUE(result.sameSize) << b->Width() << "x" << b->Height() << " against " << a->Width() << "x" << a->Height();
  EXPECT_EQ(result.differing, 0);
}

// Typed on the real display: a byte typed into V1:B1 and accepted by Tab reaches every
// view of V1, as on the headless host.
TEST(DriverDesktop, AByteTypedIntoAnEntryReachesEveryViewOfItsRegister) {
  if (!XvfbServer::Installed()) GTEST_SKIP() << "Xvfb is not installed (scripts/setup.sh installs it)";
  // Typing replaces the whole text of the field (Home, Shift+End, then the text).
  const std::string steps = "type 12 5\nread 12\nread 10\nread 11\nread 16\ntype 13 9x\nread 13\nread 10\n";
  test::ProcessResult quiet = RunScript(steps);
  ASSERT_EQ(quiet.exitCode, 0) << quiet.err;

  XvfbServer xvfb;
  std::string error;
  ASSERT_TRUE(xvfb.Start(&error)) << error;
  std::string script = OutputPath("desktop-typing.txt");
  FILE* file = std::fopen(script.c_str(), "wb");
  std::fputs(steps.c_str(), file);
  std::fclose(file);
  test::ProcessResult shown = RunKzt({"--script", script}, {"DISPLAY=" + xvfb.Display(), "SDL_VIDEODRIVER=x11"});
  ASSERT_EQ(shown.exitCode, 0) << shown.err;
  // A refused text stays in its field; the value is unchanged.
  EXPECT_EQ(shown.out, "12\t5\n10\t5\n11\t5\n16\t00 00 00 05\n13\t9x\n10\t5\n");
  EXPECT_EQ(shown.out, quiet.out);
}

}  // namespace
}  // namespace qor::app::drv::testing
