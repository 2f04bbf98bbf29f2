#pragma once
// Window classes: a named description shared by windows (procedure, style, per-window
// storage, icon and cursor). Class names match without regard to case. A class is
// "superclassed" by reading another class's description with GetClassInfo, keeping its
// procedure for default handling and registering the copy under a new name with a new
// procedure.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "os/module.h"
#include "window/platform/core/types.h"

namespace qor::ui {

struct WindowClass {
  std::string name;
  WindowProc proc = nullptr;
  uint32_t style = 0;             // CS_*
  int extraBytes = 0;             // per-window storage, read and written with Get/SetWindowExtra
  os::ModuleHandle module = nullptr;
  IconHandle icon = IconHandle::None;
  CursorHandle cursor = CursorHandle::None;
  uintptr_t background = 0;       // brush handle of the drawing layer, 0 for none
};

// Registers a class. Fails (false) for an empty name, a missing procedure, negative
// extra bytes or a name that is already registered.
bool RegisterClass(const WindowClass& description);
// Removes a class. Fails while windows of the class exist or when there is no such class.
bool UnregisterClass(std::string_view name);
// The description of a registered class, for superclassing. The system's own classes
// ("button", "Static", the tool tip) are registered on the spot when asked for.
std::optional<WindowClass> GetClassInfo(std::string_view name);
// Whether a class of that name is registered now (nothing is registered on the spot).
bool IsClassRegistered(std::string_view name);

// The class name a window was created with (as registered), "" for no window.
std::string GetClassName(Hwnd hwnd);
uint32_t GetClassStyle(Hwnd hwnd);
IconHandle GetClassIcon(Hwnd hwnd);
CursorHandle GetClassCursor(Hwnd hwnd);

}  // namespace qor::ui
