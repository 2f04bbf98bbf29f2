// kzt_asm: the bit-routine tester. Without arguments it opens on the desktop;
// `--headless --script FILE` runs it on the headless host, where a script line
// `read 0` prints the window's caption, and the script's end closes the window.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "app/desktop/desktop_run.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/hosts/headless_host.h"
#include "window/windows/window_lifecycle.h"

namespace {

std::vector<std::string> ReadLines(const char* path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

int RunHeadless(const char* scriptPath) {
  static qor::ui::HeadlessHost host;
  static std::vector<std::string> lines = ReadLines(scriptPath);
  qor::app::ProgramAdditions additions;
  additions.atIdle = [] {
    qor::win::Window* window = qor::app::RunningTesterWindow();
    if (!window) return;
    for (const std::string& line : lines) {
      if (line == "read 0") {
        std::printf("0\t%s\n", qor::ui::GetWindowText(qor::win::WindowHandle(window)).c_str());
        std::fflush(stdout);
      }
    }
    lines.clear();
    qor::app::RequestClose();
  };
  qor::app::RunTesterProgram(additions);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 1) return qor::app::RunOnDesktop();
  if (argc == 4 && std::strcmp(argv[1], "--headless") == 0 && std::strcmp(argv[2], "--script") == 0) {
    return RunHeadless(argv[3]);
  }
  std::fprintf(stderr, "usage: kzt_asm [--headless --script FILE]\n");
  return 2;
}
