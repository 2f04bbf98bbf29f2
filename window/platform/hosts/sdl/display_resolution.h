#pragma once
// The logical resolution the desktop asks for. Text and everything measured from it
// should grow on a high-density screen; where the user said how much, the core renders
// at that resolution (SetLogicalDpi), sharp, rather than having whole canvases magnified.
//
// In this order: QOR_DPI (pixels per inch, for any display); on X11 the desktop's Xft.dpi
// resource (what desktop environments set for scaling there); on Wayland 96 times the
// compositor's scale of a window; otherwise 96.
#include <optional>
#include <string_view>

namespace qor::ui {

// The value of "Xft.dpi" in an X resource string ("Xft.dpi:\t192\n..."), rounded.
std::optional<int> XftDpiFromResources(std::string_view resources);
// A QOR_DPI value: a whole number, or none if it is not one.
std::optional<int> DpiFromText(std::string_view text);

// Asks the display SDL has opened; call after SDL_Init and before windows are made.
int DesktopLogicalDpi();

}  // namespace qor::ui
