// A control's font, resolved against its window's.
#include "window/controls/control.h"
#include "window/definition/layout.h"

namespace qor::win {
namespace {

constexpr char kSystemFace[] = "System";
constexpr int32_t kSystemPoints = 10;
constexpr int32_t kNormalWeight = 400;

ControlFont WindowFont(const WindowRecord& window) {
  ControlFont font{kSystemFace, kSystemPoints, -1, kNormalWeight};
  if (!window.font) return font;
  if (!window.font->face.empty()) font.face = window.font->face;
  if (window.font->points > 0) font.points = window.font->points;
  if (window.font->colour != layout::kDefaultColour) font.colour = static_cast<int32_t>(window.font->colour);
  if (window.font->style != layout::kDefaultStyle && window.font->style > 0) font.weight = window.font->style;
  return font;
}

}  // namespace

ControlFont ResolveControlFont(const WindowRecord& window, const ControlRecord& control) {
  ControlFont font = WindowFont(window);
  if (!control.font) return font;
  const FontRecord& own = *control.font;
  if (!own.face.empty()) font.face = own.face;
  if (own.points > 0) font.points = own.points;
  if (own.colour != layout::kDefaultColour) font.colour = static_cast<int32_t>(own.colour);
  if (own.style != layout::kDefaultStyle && own.style > 0) font.weight = own.style;
  return font;
}

}  // namespace qor::win
