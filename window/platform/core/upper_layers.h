#pragma once
// The few calls the core makes up into the folders above it: the system's window classes
// are registered on first use of their names, frames and captions are drawn by the
// frame code, and the dialog keys hear of every move of the focus. The upper folders register these once (the hosts do it as they are made,
// through InstallUpperLayers in hosts/), so that no folder includes one above it. Until
// then the core simply goes without: no class is made on first use and no frame drawn.
#include <string_view>

#include "window/platform/core/types.h"

namespace qor::ui {

struct UpperLayers {
  // Registers the system class of that name unless it is registered already; false when
  // the name is none of them.
  bool (*registerSystemClass)(std::string_view name) = nullptr;
  // Draws the window's frame now.
  void (*drawFrame)(Hwnd hwnd) = nullptr;
  // The focus has moved (after WM_SETFOCUS); either window may be null.
  void (*focusMoved)(Hwnd lost, Hwnd gained) = nullptr;
};

void SetUpperLayers(const UpperLayers& layers);
const UpperLayers& GetUpperLayers();

}  // namespace qor::ui
