#pragma once
// The demonstration is laid out in pixels at 96 pixels per inch; at a higher logical
// resolution (a high-density screen) every place and size grows with the text.
#include "window/platform/core/types.h"
#include "window/platform/draw/logical_dpi.h"

namespace qor::tool {

inline int Scaled(int pixels) { return ui::MulDiv(pixels, ui::GetLogicalDpi(), ui::kDefaultLogicalDpi); }
inline ui::Rect Scaled(const ui::Rect& r) { return {Scaled(r.left), Scaled(r.top), Scaled(r.right), Scaled(r.bottom)}; }

}  // namespace qor::tool
