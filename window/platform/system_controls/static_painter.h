#pragma once
// How a static text looks: the background brush over the whole client area, then the
// text in the context's text colour (grey when disabled).
#include <cstdint>
#include <string_view>

#include "window/platform/draw/brush.h"
#include "window/platform/draw/device_context.h"

namespace qor::ui {

struct StaticLook {
  Rect rect;
  std::string_view text;
  uint32_t style = 0;  // SS_*
  bool enabled = true;
};

void PaintStatic(Hdc dc, const StaticLook& look, BrushHandle background);

}  // namespace qor::ui
