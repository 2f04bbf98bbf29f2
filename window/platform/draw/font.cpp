#include "window/platform/draw/font.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <string>
#include <tuple>

#include "window/platform/draw/font_face.h"
#include "window/platform/draw/font_match.h"
#include "window/platform/draw/logical_dpi.h"
#include "window/platform/draw/primitives.h"

namespace qor::ui {

namespace {

// Fonts made from equal descriptions share one loaded face while any of them is in use:
// matching the file and loading the face are nearly all a new font costs. A font of
// height 0 takes its size from the logical resolution it was made at.
using FontKey = std::tuple<int, int, bool, std::string, int, int, int>;

FontKey KeyOf(const LogFont& d) {
  return {d.height, d.weight, d.italic, d.face, d.escapement, d.orientation, d.height == 0 ? GetLogicalDpi() : 0};
}

struct FontCache {
  std::mutex mutex;
  std::map<FontKey, std::weak_ptr<Font>> fonts;
};

FontCache& Cache() {
  static FontCache cache;
  return cache;
}

FontHandle LoadFont(const LogFont& description) {
  std::optional<FontFile> file = MatchFontFile(description.face, description.weight, description.italic);
  if (!file) return nullptr;
  auto font = std::make_shared<Font>();
  return font->Load(*file, description) ? font : nullptr;
}

}  // namespace

FontHandle CreateFontIndirect(const LogFont& description) {
  if (description.height < -kLargestFontHeight || description.height > kLargestFontHeight) return nullptr;
  FontCache& cache = Cache();
  FontKey key = KeyOf(description);
  std::lock_guard lock(cache.mutex);
  auto found = cache.fonts.find(key);
  if (found != cache.fonts.end()) {
    if (FontHandle shared = found->second.lock()) return shared;
  }
  std::erase_if(cache.fonts, [](const auto& entry) { return entry.second.expired(); });
  FontHandle font = LoadFont(description);
  if (font) cache.fonts[key] = font;
  return font;
}

std::string FontFamily(const FontHandle& font) { return font ? font->Family() : std::string(); }

namespace {

// The font of a context with none selected: "System" at the default height, made again
// when the logical resolution has changed.
FontHandle FontOf(Hdc dc) {
  if (dc->font) return dc->font;
  static std::mutex mutex;
  static FontHandle fallback;
  static int madeAtDpi = 0;
  std::lock_guard lock(mutex);
  if (!fallback || madeAtDpi != GetLogicalDpi()) {
    madeAtDpi = GetLogicalDpi();
    fallback = CreateFontIndirect(LogFont{0, FW_NORMAL, false, "System"});
  }
  return fallback;
}

// Fills the cell of turned text: every pixel whose centre lies inside it, row by row.
void FillTurnedCell(Hdc dc, Point cell, Size size, const TextDirection& direction, ColorRef color) {
  auto inside = [&](int x, int y) {
    double dx = x + 0.5 - cell.x, dy = y + 0.5 - cell.y;
    double along = dx * direction.alongX + dy * direction.alongY;
    double down = dx * direction.downX + dy * direction.downY;
    return along >= 0 && along < size.cx && down >= 0 && down < size.cy;
  };
  Rect bounds;
  for (Point corner : {direction.At(cell, 0, 0), direction.At(cell, size.cx, 0), direction.At(cell, 0, size.cy),
                       direction.At(cell, size.cx, size.cy)}) {
    bounds = Union(bounds, {corner.x - 1, corner.y - 1, corner.x + 1, corner.y + 1});
  }
  for (int y = bounds.top; y < bounds.bottom; ++y) {
    for (int x = bounds.left; x < bounds.right;) {
      while (x < bounds.right && !inside(x, y)) ++x;
      int start = x;
      while (x < bounds.right && inside(x, y)) ++x;
      if (start < x) FillSolid(dc, {start, y, x, y + 1}, color);
    }
  }
}

}  // namespace

FontHandle SelectFont(Hdc dc, FontHandle font) {
  if (!dc) return nullptr;
  FontHandle previous = std::move(dc->font);
  dc->font = std::move(font);
  return previous;
}

bool GetTextMetrics(Hdc dc, TextMetrics* metrics) {
  FontHandle font = dc && metrics ? FontOf(dc) : nullptr;
  if (!font) return false;
  *metrics = font->Metrics();
  return true;
}

bool GetUnderlineStroke(Hdc dc, UnderlineStroke* stroke) {
  FontHandle font = dc && stroke ? FontOf(dc) : nullptr;
  if (!font) return false;
  *stroke = font->Underline();
  return true;
}

bool GetTextExtentPoint32(Hdc dc, std::string_view text, Size* size) {
  FontHandle font = dc && size ? FontOf(dc) : nullptr;
  if (!font) return false;
  *size = {font->Width(text), font->Metrics().height};
  return true;
}

bool GetTextExtentExPoint(Hdc dc, std::string_view text, std::vector<int>* extents) {
  FontHandle font = dc && extents ? FontOf(dc) : nullptr;
  if (!font) return false;
  font->Extents(text, *extents);
  return true;
}

bool TextOut(Hdc dc, int x, int y, std::string_view text) {
  FontHandle font = dc ? FontOf(dc) : nullptr;
  if (!font) return false;
  if (dc->backMode == OPAQUE) {
    Size cell{font->Width(text), font->Metrics().height};
    if (font->Turned()) {
      FillTurnedCell(dc, {x, y}, cell, font->Direction(), dc->backColor);
    } else {
      FillSolid(dc, {x, y, x + cell.cx, y + cell.cy}, dc->backColor);
    }
  }
  font->Draw(dc, {x, y}, text);
  return true;
}

}  // namespace qor::ui
