#pragma once
// The logical resolution: how many pixels make an inch for everything sized in points.
// Stored programs give font sizes in points and turn them into pixel heights with
// LOGPIXELSY; the default is 96 pixels per inch. A display host on a high-density
// screen may raise it before windows are opened, so that text (and the dialog units
// measured from it) grows with the screen; fonts made earlier keep their size.
#include "window/platform/draw/device_context.h"

namespace qor::ui {

inline constexpr int kDefaultLogicalDpi = 96;

// Sets the pixels per inch for the whole process (sensible values 48 to 960). False, and
// nothing changed, for a value outside that range.
bool SetLogicalDpi(int dpi);
int GetLogicalDpi();

// number * numerator / denominator in 64 bits, rounded half away from zero; -1 when the
// denominator is 0 or the result does not fit, as callers of the old routine expect.
int MulDiv(int number, int numerator, int denominator);

// The font height (negative: the character height in pixels) for a size in points.
int PointsToHeight(int points);

// Device capabilities asked by index; the ones stored programs ask for.
inline constexpr int BITSPIXEL = 12;
inline constexpr int PLANES = 14;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;

// 0 for an index not listed above (and for no context).
int GetDeviceCaps(Hdc dc, int index);

}  // namespace qor::ui
