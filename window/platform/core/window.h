#pragma once
// Windows: creation and destruction, and the parent/child tree. A child window lies in
// its parent's client area and goes with it; a top-level window may have an owner,
// which it stays in front of and is destroyed with.
#include <cstdint>
#include <string>
#include <vector>

#include "os/module.h"
#include "os/thread_id.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/types.h"

namespace qor::ui {

// What CreateWindow is given; WM_CREATE receives a pointer to it in lParam.
struct CreateParams {
  std::string className;
  std::string title;
  uint32_t style = 0;       // WS_*
  uint32_t exStyle = 0;     // WS_EX_*
  int x = CW_USEDEFAULT;    // pixels; for a child, in the parent's client area
  int y = CW_USEDEFAULT;
  int width = CW_USEDEFAULT;
  int height = CW_USEDEFAULT;
  Hwnd parent;              // parent of a WS_CHILD window, owner of any other
  intptr_t id = 0;          // control id of a child window
  os::ModuleHandle module = nullptr;
  void* param = nullptr;    // for the window procedure

  // Sets position and size from a rectangle.
  void PlaceAt(const Rect& at) {
    x = at.left;
    y = at.top;
    width = at.Width();
    height = at.Height();
  }
};

// Creates a window. Sends WM_CREATE (a result of -1 refuses the window: it is destroyed
// and no handle returned), then WM_SIZE and WM_MOVE; a WS_VISIBLE window is then shown as
// ShowWindow(SW_SHOW) would. Fails (null handle) for an unknown class or a child without
// a valid parent.
Hwnd CreateWindow(const CreateParams& params);
// The same with the parameters most windows need: a window of `className` placed at `at`
// (for a child, in its parent's client area), with no extended style, module or parameter.
Hwnd CreateWindow(const std::string& className, const std::string& title, uint32_t style, const Rect& at,
                  Hwnd parent = Hwnd{}, intptr_t id = 0);
// Destroys a window, its children and the windows it owns. Sends WM_DESTROY to the
// window and then to its descendants, then WM_NCDESTROY from the deepest descendant up
// to the window. Only the window's own thread may destroy it.
bool DestroyWindow(Hwnd hwnd);

// True while the handle names a window that has not been destroyed.
bool IsWindow(Hwnd hwnd);
Hwnd GetParent(Hwnd hwnd);  // null for a top-level window
Hwnd GetOwner(Hwnd hwnd);
// The top-level window that holds `hwnd` (itself if it is top-level).
Hwnd GetTopLevel(Hwnd hwnd);
// True if `hwnd` is a descendant of `parent`.
bool IsChild(Hwnd parent, Hwnd hwnd);
// Children in z-order, topmost first; the null window's children are the top-level windows.
std::vector<Hwnd> GetChildren(Hwnd parent);
// The child with a control id, or null.
Hwnd GetDlgItem(Hwnd parent, intptr_t id);
intptr_t GetDlgCtrlID(Hwnd hwnd);
// The thread that created the window, 0 for none.
os::ThreadId GetWindowThread(Hwnd hwnd);

}  // namespace qor::ui
