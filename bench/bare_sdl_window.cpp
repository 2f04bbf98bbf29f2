// The yardstick for the demonstration's start-up: a bare SDL2 program that opens a window
// of the demonstration's size and draws one line of text with FreeType, then prints
// "first-frame NS" (the monotonic clock once the frame is on the screen) and exits.
//   bare_sdl_window FONT_FILE
#include <SDL.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <time.h>

#include <cstdint>
#include <cstdio>

namespace {

constexpr int kWidth = 440;
constexpr int kHeight = 250;
constexpr const char* kLine = "Hello from a bare SDL2 program";

void DrawLine(FT_Face face, SDL_Surface* surface, int x, int baseline) {
  auto* pixels = static_cast<uint32_t*>(surface->pixels);
  int stride = surface->pitch / 4;
  for (const char* c = kLine; *c; ++c) {
    if (FT_Load_Char(face, static_cast<unsigned char>(*c), FT_LOAD_RENDER) != 0) continue;
    const FT_Bitmap& glyph = face->glyph->bitmap;
    for (unsigned row = 0; row < glyph.rows; ++row) {
      for (unsigned col = 0; col < glyph.width; ++col) {
        int px = x + face->glyph->bitmap_left + static_cast<int>(col);
        int py = baseline - face->glyph->bitmap_top + static_cast<int>(row);
        if (px < 0 || py < 0 || px >= surface->w || py >= surface->h) continue;
        uint32_t shade = 0xC0 - glyph.buffer[row * glyph.pitch + col] * 0xC0 / 255;
        pixels[py * stride + px] = SDL_MapRGB(surface->format, shade, shade, shade);
      }
    }
    x += static_cast<int>(face->glyph->advance.x >> 6);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bare_sdl_window FONT_FILE\n");
    return 2;
  }
  // The fast way to put pixels on an X server, as the desktop host does.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "bare_sdl_window: %s\n", SDL_GetError());
    return 1;
  }
  SDL_Window* window = SDL_CreateWindow("Bare", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth, kHeight, 0);
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  if (!window || FT_Init_FreeType(&library) != 0 || FT_New_Face(library, argv[1], 0, &face) != 0) {
    std::fprintf(stderr, "bare_sdl_window: cannot open the window or the font\n");
    return 1;
  }
  FT_Set_Pixel_Sizes(face, 0, 13);
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0xC0, 0xC0, 0xC0));
  DrawLine(face, surface, 10, 20);
  SDL_UpdateWindowSurface(window);
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::printf("first-frame %llu\n", static_cast<unsigned long long>(now.tv_sec) * 1000000000ull +
                                        static_cast<unsigned long long>(now.tv_nsec));
  FT_Done_Face(face);
  FT_Done_FreeType(library);
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
