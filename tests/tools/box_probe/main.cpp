// box_probe [--desktop] SCENARIO STEP...
// Installs a host (headless with its virtual clock, or the desktop host with --desktop),
// the message box service, and then runs SCENARIO:
//   error   run-time error 501 with "String Stack Error"
//   halt    HALT 7 with "stopping here"
//   nested  run-time error 501; the step "raise" raises 502 while the report is up
// Each STEP runs 20 ms after the one before, from inside the box's loop:
//   a key name (Enter, Escape, Tab, N, Y, ...), "look" (prints the box: title, text,
//   buttons and the one that looks like the default), "png:FILE" (writes what the box
//   shows: its canvas headless, the X server's pixels on the desktop), "raise".
// The process ends the way the runtime ends it.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "os/module.h"
#include "resources/messages/error_messages.h"
#include "runtime/errors/halt.h"
#include "runtime/errors/run_time_error.h"
#include "window/message_box/box_ui_service.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/input.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/timers.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/draw/png_file.h"
#include "window/platform/draw/window_canvas.h"
#include "window/platform/hosts/headless_host.h"
#include "window/platform/hosts/sdl/desktop_host.h"
#include "window/platform/hosts/us_keyboard.h"
#include "window/platform/system_controls/button_control.h"
#include "window/platform/system_controls/system_classes.h"

namespace {

using namespace qor;
using namespace qor::ui;

std::vector<std::string> steps;
size_t nextStep = 0;
DesktopHost* desktop = nullptr;

uint32_t KeyNamed(const std::string& name) {
  if (name == "Enter") return VK_RETURN;
  if (name == "Escape") return VK_ESCAPE;
  if (name == "Tab") return VK_TAB;
  if (name == "Space") return VK_SPACE;
  return name.size() == 1 ? static_cast<uint32_t>(std::toupper(static_cast<unsigned char>(name[0]))) : 0;
}

void Look() {
  Hwnd box = GetActiveWindow();
  std::string line = "box " + GetWindowText(box) + " |";
  std::vector<Hwnd> children = GetChildren(box);
  auto key = [](Hwnd c) { return std::make_pair(GetClassName(c) == kButtonClass, GetWindowPlacement(c).left); };
  std::stable_sort(children.begin(), children.end(), [&](Hwnd a, Hwnd b) { return key(a) < key(b); });
  for (auto it = children.begin(); it != children.end(); ++it) {
    bool isDefault = (GetWindowStyle(*it) & BS_TYPEMASK) == BS_DEFPUSHBUTTON && GetClassName(*it) == kButtonClass;
    line += " " + std::to_string(GetDlgCtrlID(*it)) + ":" + GetWindowText(*it) + (isDefault ? "*" : "");
  }
  for (char& c : line)
    if (c == '\r' || c == '\n') c = '/';
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

void WritePicture(const std::string& path) {
  Hwnd box = GetActiveWindow();
  if (desktop) {
    desktop->Present();
    std::optional<Canvas> shown = desktop->ReadBack(box);
    if (shown) WritePng(*shown, path);
  } else {
    WriteWindowPng(box, path);
  }
}

void RunStep(const std::string& step) {
  if (step == "look") return Look();
  if (step.starts_with("png:")) return WritePicture(step.substr(4));
  if (step == "raise") rt::RunTimeError(502, "raised while the report is up");
  if (uint32_t key = KeyNamed(step)) {
    HostKey(key, true, UsKeyboardCharacter(key, false));
    HostKey(key, false, 0);
  }
}

void OnTimer(Hwnd, uint32_t, uintptr_t id, uint64_t) {
  if (nextStep >= steps.size()) {
    KillTimer(Hwnd{}, id);
    return;
  }
  RunStep(steps[nextStep++]);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  bool onDesktop = !args.empty() && args[0] == "--desktop";
  if (onDesktop) args.erase(args.begin());
  if (args.empty()) {
    std::fprintf(stderr, "usage: box_probe [--desktop] error|halt|nested STEP...\n");
    return 64;
  }
  res::RegisterErrorMessages(os::ExecutableModule());
  std::unique_ptr<HeadlessHost> headless;
  std::unique_ptr<DesktopHost> real;
  if (onDesktop) {
    std::string error;
    real = DesktopHost::Open(&error);
    if (!real) {
      std::fprintf(stderr, "box_probe: no display: %s\n", error.c_str());
      return 65;
    }
    desktop = real.get();
  } else {
    headless = std::make_unique<HeadlessHost>();
  }
  RegisterSystemClasses();
  win::InstallMessageBoxService();
  steps.assign(args.begin() + 1, args.end());
  SetTimer(Hwnd{}, 1, 20, OnTimer);
  if (args[0] == "halt") rt::HaltWithMessage(7, false, "stopping here");
  rt::RunTimeError(501, "String Stack Error");
}
