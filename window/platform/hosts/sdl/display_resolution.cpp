#include "window/platform/hosts/sdl/display_resolution.h"

#include <SDL.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "window/platform/draw/logical_dpi.h"

// Last: Xlib defines names (None) that the core's headers use.
#ifdef QOR_HAVE_X11
#include <X11/Xlib.h>
#endif

namespace qor::ui {
namespace {

std::optional<int> XftDpiOfServer() {
#ifdef QOR_HAVE_X11
  Display* display = XOpenDisplay(nullptr);
  if (!display) return std::nullopt;
  const char* resources = XResourceManagerString(display);
  std::optional<int> dpi = resources ? XftDpiFromResources(resources) : std::nullopt;
  XCloseDisplay(display);
  return dpi;
#else
  return std::nullopt;
#endif
}

// Wayland scales a window's pixels by the output's factor: a probe window shows it.
std::optional<int> WaylandScaledDpi() {
  SDL_Window* probe = SDL_CreateWindow("", 0, 0, 100, 100, SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI);
  if (!probe) return std::nullopt;
  int pixels = 0;
  SDL_GetWindowSizeInPixels(probe, &pixels, nullptr);
  SDL_DestroyWindow(probe);
  return pixels > 100 ? std::optional<int>(kDefaultLogicalDpi * pixels / 100) : std::nullopt;
}

}  // namespace

std::optional<int> DpiFromText(std::string_view text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<int> XftDpiFromResources(std::string_view resources) {
  constexpr std::string_view kName = "Xft.dpi:";
  size_t at = 0;
  while ((at = resources.find(kName, at)) != std::string_view::npos) {
    if (at == 0 || resources[at - 1] == '\n') {
      std::string value(resources.substr(at + kName.size(), resources.find('\n', at) - at - kName.size()));
      char* end = nullptr;
      double dpi = std::strtod(value.c_str(), &end);
      if (end != value.c_str() && dpi > 0 && dpi < 10000) return static_cast<int>(std::lround(dpi));
      return std::nullopt;
    }
    at += kName.size();
  }
  return std::nullopt;
}

int DesktopLogicalDpi() {
  if (const char* asked = std::getenv("QOR_DPI")) {
    if (std::optional<int> dpi = DpiFromText(asked)) return *dpi;
  }
  std::string_view driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
  std::optional<int> dpi;
  if (driver == "x11") dpi = XftDpiOfServer();
  if (driver == "wayland") dpi = WaylandScaledDpi();
  return dpi.value_or(kDefaultLogicalDpi);
}

}  // namespace qor::ui
