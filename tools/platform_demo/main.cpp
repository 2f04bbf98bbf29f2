// platform_demo: the windowing core's demonstration.
//
//   platform_demo                      shows it on the desktop (X11 or Wayland)
//   platform_demo --headless --png DIR renders it without a display: DIR/main.png (the
//                                      main window), DIR/dialog.png (the message dialog)
//                                      and DIR/screen.png (the dialog over the window)
//   platform_demo --png DIR            on the desktop: also writes DIR/main.png and
//                                      DIR/main-shown.png (what the display shows)
//   platform_demo --first-frame        on the desktop: prints "first-frame NS" (the
//                                      monotonic clock once the first frame is on the
//                                      screen) and exits; for the start-up figure
#include <time.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "tools/platform_demo/demo_render.h"
#include "tools/platform_demo/demo_window.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/session.h"
#include "window/platform/draw/png_file.h"
#include "window/platform/draw/window_canvas.h"
#include "window/platform/hosts/sdl/desktop_host.h"

namespace qor::tool {
namespace {

using namespace ui;

struct Options {
  bool headless = false;
  bool firstFrame = false;
  std::string pngDir;
};

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--headless") == 0) {
      options.headless = true;
    } else if (std::strcmp(argv[i], "--first-frame") == 0) {
      options.firstFrame = true;
    } else if (std::strcmp(argv[i], "--png") == 0 && i + 1 < argc) {
      options.pngDir = argv[++i];
    } else {
      std::fprintf(stderr, "usage: platform_demo [--headless] [--png DIR] [--first-frame]\n");
      return false;
    }
  }
  if (options.headless && options.pngDir.empty()) {
    std::fprintf(stderr, "platform_demo: --headless needs --png DIR\n");
    return false;
  }
  return true;
}

bool Write(const Canvas& canvas, const std::string& path) {
  std::string error;
  if (WritePng(canvas, path, &error)) return true;
  std::fprintf(stderr, "platform_demo: %s: %s\n", path.c_str(), error.c_str());
  return false;
}

bool WriteWindow(Hwnd hwnd, const std::string& path) {
  std::shared_ptr<Canvas> canvas = WindowCanvas(hwnd);
  return canvas && Write(*canvas, path);
}

void PumpAll() {
  Msg msg;
  while (PeekMessage(msg)) {
    TranslateMessage(msg);
    DispatchMessage(msg);
  }
}

int RunHeadless(const Options& options) {
  std::vector<DemoImage> images = RenderDemo();
  if (images.empty()) {
    std::fprintf(stderr, "platform_demo: the windows could not be made\n");
    return 1;
  }
  bool written = true;
  for (const DemoImage& image : images) written = Write(image.pixels, options.pngDir + "/" + image.name + ".png") && written;
  return written ? 0 : 1;
}

uint64_t MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<uint64_t>(now.tv_sec) * 1000000000u + static_cast<uint64_t>(now.tv_nsec);
}

int RunOnDesktop(const Options& options) {
  std::string error;
  std::unique_ptr<DesktopHost> host = DesktopHost::Open(&error);
  if (!host) {
    std::fprintf(stderr, "platform_demo: cannot open the display: %s\n", error.c_str());
    return 1;
  }
  InstallTerminationHandlers();
  if (!RegisterDemoClasses()) return 1;
  Hwnd main = CreateDemoWindow();
  if (!main) return 1;
  PumpAll();
  host->Present();
  if (!options.pngDir.empty()) {
    std::optional<Canvas> shown = host->ReadBack(main);
    bool written = WriteWindow(main, options.pngDir + "/main.png") && shown &&
                   Write(*shown, options.pngDir + "/main-shown.png");
    if (!written) return 1;
  }
  if (options.firstFrame) {
    std::printf("first-frame %llu\n", static_cast<unsigned long long>(MonotonicNanoseconds()));
    return 0;
  }
  Msg msg;
  while (GetMessage(msg)) {
    TranslateMessage(msg);
    DispatchMessage(msg);
  }
  return static_cast<int>(static_cast<intptr_t>(msg.wParam));
}

}  // namespace
}  // namespace qor::tool

int main(int argc, char** argv) {
  qor::tool::Options options;
  if (!qor::tool::ParseOptions(argc, argv, options)) return 2;
  return options.headless ? qor::tool::RunHeadless(options) : qor::tool::RunOnDesktop(options);
}
