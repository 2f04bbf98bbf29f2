#pragma once
// What the message box asks of the window runtime above the platform layer: the calling
// thread's current window, the application frame, and icons by name. Until the window
// runtime installs its own answers, there is no current window and no frame (the box is
// owned by the active window) and only stock icons load: a name of bytes FF 01 and a
// 16-bit n (n > 0) gives stock icon n - 1; any other name gives none.
#include <cstdint>
#include <string>
#include <string_view>

#include "window/platform/core/types.h"

namespace qor::win {

struct BoxWindowServices {
  ui::Hwnd (*currentWindow)() = nullptr;  // the calling thread's current window
  ui::Hwnd (*frameWindow)() = nullptr;    // the application frame
  // An icon by name, freed with DestroyIcon (a stock icon ignores that); None when the
  // name loads nothing.
  ui::IconHandle (*iconByName)(std::string_view name) = nullptr;
};

// Installs the answers; a null entry keeps the fallback. The default `{}` restores all.
void SetBoxWindowServices(const BoxWindowServices& services);

ui::Hwnd BoxCurrentWindow();
ui::Hwnd BoxFrameWindow();
ui::IconHandle LoadBoxIcon(std::string_view name);
// A stock icon's name: FF 01 and id + 1, little-endian.
std::string StockIconName(uint16_t id);

}  // namespace qor::win
