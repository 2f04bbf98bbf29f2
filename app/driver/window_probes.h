#pragma once
// What the output commands read from the running window: a control's text as it holds it
// now, its tool tip, the colours it paints with, and parts of pictures. Each answers
// nothing (nullopt) when the window is closed; a control whose kind made no window
// (kinds a program does not register create nothing) holds an empty text and tip and
// has no colours. The texts are the control's own bytes, unescaped.
#include <cstdint>
#include <optional>
#include <string>

#include "window/platform/core/types.h"
#include "window/platform/draw/canvas.h"

namespace qor::win {
struct Window;
}

namespace qor::app::drv {

struct PaintColours {
  uint32_t text = 0;        // 0x00BBGGRR
  uint32_t background = 0;
};

std::optional<std::string> ControlText(const win::Window* window, int32_t number);
std::optional<std::string> ControlTip(const win::Window* window, int32_t number);
std::optional<PaintColours> ControlColours(const win::Window* window, int32_t number);

// "#RRGGBB" of a 0x00BBGGRR colour, upper-case hex.
std::string HexColour(uint32_t colour);

// The part `rect` of a canvas, as a canvas of its own.
ui::Canvas CutOut(const ui::Canvas& canvas, const ui::Rect& rect);

}  // namespace qor::app::drv
