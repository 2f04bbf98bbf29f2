// The demonstration program as a real process: headless renders written as files, and on
// the desktop (a private Xvfb) SIGTERM reaching its waiting loop through the host's
// signal-safe wake and closing it in order.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "tests/tools/platform_demo/image_compare.h"
#include "tests/tools/platform_demo/xvfb_server.h"
#include "tests/tools/test_bin_dir.h"
#include "window/platform/draw/png_file.h"

namespace qor::tool::testing {
namespace {

std::string Program() { return qor::test::TestBinDir() + "/platform_demo"; }

std::string FreshDirectory(const std::string& name) {
  std::string dir = std::string(QOR_DEMO_OUTPUT) + "/" + name;
  mkdir(dir.c_str(), 0755);
  for (const char* file : {"main.png", "main-shown.png", "dialog.png", "screen.png"}) unlink((dir + "/" + file).c_str());
  return dir;
}

pid_t Start(const std::vector<std::string>& args) {
  pid_t pid = fork();
  if (pid == 0) {
    std::vector<char*> argv;
    std::string program = Program();
    argv.push_back(program.data());
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  return pid;
}

int ExitCodeOf(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool Exists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

TEST(DemoProcess, HeadlessWritesItsThreeImages) {
  std::string dir = FreshDirectory("headless");
  EXPECT_EQ(ExitCodeOf(Start({"--headless", "--png", dir})), 0);
  for (const char* name : {"main", "dialog", "screen"}) EXPECT_TRUE(ui::ReadPng(dir + "/" + name + ".png")) << name;
}

TEST(DemoProcess, BadArgumentsAreRefusedWithUsage) {
  EXPECT_EQ(ExitCodeOf(Start({"--frobnicate"})), 2);
  EXPECT_EQ(ExitCodeOf(Start({"--headless"})), 2);  // needs a folder to write to
}

TEST(DemoProcess, OnTheDesktopSigtermClosesTheWaitingProgramInOrder) {
  if (!XvfbServer::Installed()) GTEST_SKIP() << "Xvfb is not installed (scripts/setup.sh installs it)";
  XvfbServer xvfb;
  std::string error;
  ASSERT_TRUE(xvfb.Start(&error)) << error;
  setenv("SDL_VIDEODRIVER", "x11", 1);
  std::string dir = FreshDirectory("desktop");
  pid_t demo = Start({"--png", dir});
  // The images are written just before the program starts waiting for input.
  auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!Exists(dir + "/main-shown.png") && std::chrono::steady_clock::now() < giveUp) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ASSERT_TRUE(Exists(dir + "/main-shown.png"));
  kill(demo, SIGTERM);
  EXPECT_EQ(ExitCodeOf(demo), 128 + SIGTERM);

  std::optional<ui::Canvas> canvas = ui::ReadPng(dir + "/main.png");
  std::optional<ui::Canvas> shown = ui::ReadPng(dir + "/main-shown.png");
  ASSERT_TRUE(canvas && shown);
  // The real window shows the client area: the canvas less the frame the core reserves.
  int frameX = (canvas->Width() - shown->Width()) / 2;
  ui::Rect client{frameX, canvas->Height() - shown->Height() - frameX, canvas->Width() - frameX,
                  canvas->Height() - frameX};
  EXPECT_EQ(CompareImages(*canvas, client, *shown, 0).differing, 0);
}

}  // namespace
}  // namespace qor::tool::testing
