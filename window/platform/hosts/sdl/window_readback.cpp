#include "window/platform/hosts/sdl/window_readback.h"

#include <SDL_syswm.h>

#ifdef QOR_HAVE_X11
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#endif

namespace qor::ui {
namespace {

#ifdef QOR_HAVE_X11
// Reads from the server: only a true-colour window of 8 bits a channel is understood.
std::optional<Canvas> ReadFromXServer(const SDL_SysWMinfo& info, int width, int height) {
  Display* display = info.info.x11.display;
  XImage* image = XGetImage(display, info.info.x11.window, 0, 0, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (!image) return std::nullopt;
  std::optional<Canvas> pixels;
  if (image->red_mask == 0xFF0000 && image->green_mask == 0x00FF00 && image->blue_mask == 0x0000FF) {
    pixels.emplace(width, height);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        pixels->Set(x, y, static_cast<Pixel>(0xFF000000u | (XGetPixel(image, x, y) & 0xFFFFFFu)));
      }
    }
  }
  XDestroyImage(image);
  return pixels;
}
#endif

std::optional<Canvas> ReadFromSurface(SDL_Window* window) {
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  if (!surface) return std::nullopt;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0);
  if (!argb) return std::nullopt;
  Canvas pixels(argb->w, argb->h);
  for (int y = 0; y < argb->h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch);
    for (int x = 0; x < argb->w; ++x) pixels.Set(x, y, static_cast<Pixel>(row[x] | 0xFF000000u));
  }
  SDL_FreeSurface(argb);
  return pixels;
}

}  // namespace

std::optional<Canvas> ReadWindowPixels(SDL_Window* window) {
  int width = 0;
  int height = 0;
  SDL_GetWindowSizeInPixels(window, &width, &height);
#ifdef QOR_HAVE_X11
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11) {
    if (auto fromServer = ReadFromXServer(info, width, height)) return fromServer;
  }
#endif
  return ReadFromSurface(window);
}

}  // namespace qor::ui
