#pragma once
// Dialog units and the dialog font. A dialog's base units are its font's average
// character width, taken as (the width of the 52 letters a-z and A-Z written in a row
// / 26 + 1) / 2, and its character height. Dialog units become pixels as
// (x * width + 3) / 4 across and (y * height + 7) / 8 down, and pixels go back as
// px * 4 / width and px * 8 / height, so that a layout measured in pixels and built in
// dialog units comes out where it was measured.
#include "window/platform/core/types.h"
#include "window/platform/draw/device_context.h"
#include "window/platform/draw/font.h"

namespace qor::ui {

struct DialogBaseUnits {
  int width = 0;   // average character width, pixels
  int height = 0;  // character height, pixels
};

// The base units of a font (the default font for none); (0, 0) if no font can be had.
DialogBaseUnits MeasureBaseUnits(const FontHandle& font);
// The font of a size in points at the logical resolution (logical_dpi.h).
FontHandle CreatePointFont(const std::string& face, int pointSize, int weight, bool italic);

int DialogUnitsToPixelsX(int units, DialogBaseUnits base);
int DialogUnitsToPixelsY(int units, DialogBaseUnits base);
int PixelsToDialogUnitsX(int pixels, DialogBaseUnits base);
int PixelsToDialogUnitsY(int pixels, DialogBaseUnits base);
// A rectangle in dialog units as pixels.
Rect DialogRectToPixels(const Rect& units, DialogBaseUnits base);

}  // namespace qor::ui
