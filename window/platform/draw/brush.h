#pragma once
// Brushes: what an area is filled with. Only solid colours are needed, so a brush handle
// carries its colour and nothing has to be freed. Handles 1 to 31 are the system colours
// (number + 1), as a window class names its background: (COLOR_BTNFACE + 1) paints
// dialogs grey and follows the scheme when it changes. 0 is no brush (nothing is filled).
#include <cstdint>
#include <optional>

#include "window/platform/draw/color.h"

namespace qor::ui {

using BrushHandle = uintptr_t;
inline constexpr BrushHandle kNullBrush = 0;

// A brush of one colour; DeleteObject is not needed (but harmless).
BrushHandle CreateSolidBrush(ColorRef color);
// The brush of a system colour; equal to index + 1.
BrushHandle GetSysColorBrush(int index);
inline bool DeleteObject(BrushHandle) { return true; }

// The colour a brush paints in now; none for the null brush or a handle that is not one.
std::optional<ColorRef> BrushColor(BrushHandle brush);

}  // namespace qor::ui
