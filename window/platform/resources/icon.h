#pragma once
// Icons: a small picture, kept at one or more sizes (32 by 32 for windows and message
// boxes, 16 by 16 for captions), with an alpha channel so that it is drawn over whatever
// lies beneath. Icons are reached through handles; the stock icons (stock_icons.h) are
// shared and never freed, icons read from files are freed with DestroyIcon.
#include <cstdint>
#include <memory>
#include <vector>

#include "window/platform/core/types.h"
#include "window/platform/draw/color.h"
#include "window/platform/draw/device_context.h"

namespace qor::ui {

// The sizes of the system's large and small icons, in pixels.
inline constexpr int kIconSize = 32;
inline constexpr int kSmallIconSize = 16;

// One image of an icon: row by row from the top, 0xAARRGGBB with straight (not
// premultiplied) alpha; alpha 0 is transparent.
struct IconImage {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;

  Pixel At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The images of one icon, largest first.
struct IconPicture {
  std::vector<IconImage> images;
  // The image to draw at a size: the exact size if there is one, else the smallest
  // larger one, else the largest.
  const IconImage& ImageFor(int width, int height) const;
};

// A new icon from its images (any order); None when there is no usable image.
IconHandle CreateIconFromImages(std::vector<IconImage> images);
// Frees an icon made by CreateIconFromImages or read from a file. A stock icon stays
// (true is returned: it was never the caller's to free); an unknown handle gives false.
bool DestroyIcon(IconHandle icon);
// The icon behind a handle; null for none.
std::shared_ptr<const IconPicture> IconFromHandle(IconHandle icon);
// The size of the icon's largest image; (0, 0) for no icon.
Size GetIconSize(IconHandle icon);

// DrawIconEx flags.
inline constexpr uint32_t DI_MASK = 0x0001;
inline constexpr uint32_t DI_IMAGE = 0x0002;
inline constexpr uint32_t DI_NORMAL = 0x0003;
inline constexpr uint32_t DI_DEFAULTSIZE = 0x0008;

// Draws the icon with its top left at (x, y) at the system icon size, blending it over
// what is there.
bool DrawIcon(Hdc dc, int x, int y, IconHandle icon);
// Draws at `width` by `height` (0 for both: the image's own size, or the system size
// with DI_DEFAULTSIZE), scaling the best image. DI_IMAGE alone draws the colours
// without transparency; DI_MASK alone draws the shape in black on white.
bool DrawIconEx(Hdc dc, int x, int y, IconHandle icon, int width, int height, uint32_t flags = DI_NORMAL);

}  // namespace qor::ui
