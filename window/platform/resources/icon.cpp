#include "window/platform/resources/icon.h"

#include "window/platform/resources/detail/shared_icon.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <set>

namespace qor::ui {

namespace {

struct IconTable {
  std::mutex mutex;
  std::map<uintptr_t, std::shared_ptr<const IconPicture>> icons;
  std::set<uintptr_t> shared;  // stock icons: never freed
  uintptr_t last = 0x1000;     // handles count up from here and are never reused
};

IconTable& Table() {
  static IconTable table;
  return table;
}

IconHandle Register(IconPicture picture, bool shared) {
  std::erase_if(picture.images, [](const IconImage& image) {
    return image.width <= 0 || image.height <= 0 ||
           image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
  });
  if (picture.images.empty()) return IconHandle::None;
  std::stable_sort(picture.images.begin(), picture.images.end(), [](const IconImage& a, const IconImage& b) {
    return a.width * a.height > b.width * b.height;
  });
  IconTable& table = Table();
  std::lock_guard lock(table.mutex);
  uintptr_t handle = ++table.last;
  table.icons[handle] = std::make_shared<const IconPicture>(std::move(picture));
  if (shared) table.shared.insert(handle);
  return static_cast<IconHandle>(handle);
}

// The pixel drawn for a flag set: the colours with their alpha, the colours alone, or
// the shape as black on white.
Pixel Drawn(Pixel source, uint32_t flags) {
  uint32_t part = flags & DI_NORMAL;
  if (part == DI_IMAGE) return source | 0xFF000000u;
  if (part == DI_MASK) return (source >> 24) >= 128 ? 0xFF000000u : 0xFFFFFFFFu;
  return source;
}

}  // namespace

const IconImage& IconPicture::ImageFor(int width, int height) const {
  for (const IconImage& image : images) {
    if (image.width == width && image.height == height) return image;
  }
  // Largest first: the last that still covers the size is the smallest larger one.
  const IconImage* best = &images.front();
  for (const IconImage& image : images) {
    if (image.width >= width && image.height >= height) best = &image;
  }
  return *best;
}

IconHandle CreateIconFromImages(std::vector<IconImage> images) {
  return Register(IconPicture{std::move(images)}, false);
}

bool DestroyIcon(IconHandle icon) {
  IconTable& table = Table();
  std::lock_guard lock(table.mutex);
  uintptr_t handle = static_cast<uintptr_t>(icon);
  if (table.shared.contains(handle)) return true;
  return table.icons.erase(handle) == 1;
}

std::shared_ptr<const IconPicture> IconFromHandle(IconHandle icon) {
  IconTable& table = Table();
  std::lock_guard lock(table.mutex);
  auto found = table.icons.find(static_cast<uintptr_t>(icon));
  return found == table.icons.end() ? nullptr : found->second;
}

Size GetIconSize(IconHandle icon) {
  std::shared_ptr<const IconPicture> picture = IconFromHandle(icon);
  if (!picture) return {};
  return {picture->images.front().width, picture->images.front().height};
}

bool DrawIcon(Hdc dc, int x, int y, IconHandle icon) {
  return DrawIconEx(dc, x, y, icon, 0, 0, DI_NORMAL | DI_DEFAULTSIZE);
}

bool DrawIconEx(Hdc dc, int x, int y, IconHandle icon, int width, int height, uint32_t flags) {
  std::shared_ptr<const IconPicture> picture = IconFromHandle(icon);
  if (!dc || !picture || width < 0 || height < 0) return false;
  if (width == 0 && height == 0 && (flags & DI_DEFAULTSIZE)) width = height = kIconSize;
  const IconImage& image = picture->ImageFor(width ? width : picture->images.front().width,
                                              height ? height : picture->images.front().height);
  if (width == 0) width = image.width;
  if (height == 0) height = image.height;
  if ((flags & DI_NORMAL) == 0) flags |= DI_NORMAL;
  Rect target = Rect{x, y, x + width, y + height}.Offset(dc->origin.x, dc->origin.y);
  Canvas& canvas = *dc->canvas;
  for (const Rect& part : dc->clip.Rects()) {
    Rect area = Intersection(Intersection(target, part), canvas.Bounds());
    for (int row = area.top; row < area.bottom; ++row) {
      int sourceRow = (row - target.top) * image.height / height;
      for (int column = area.left; column < area.right; ++column) {
        int sourceColumn = (column - target.left) * image.width / width;
        Pixel source = Drawn(image.At(sourceColumn, sourceRow), flags);
        canvas.Set(column, row, BlendOver(canvas.At(column, row), source));
      }
    }
  }
  return true;
}

namespace detail {

IconHandle RegisterSharedIcon(IconPicture picture) { return Register(std::move(picture), true); }

}  // namespace detail

}  // namespace qor::ui
