#include "window/platform/core/window_geometry.h"

#include <algorithm>

#include "window/platform/core/detail/window_records.h"
#include "window/platform/core/host.h"
#include "window/platform/core/invalidation.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"

namespace qor::ui {

using namespace detail;

FrameMetrics& Metrics() {
  static FrameMetrics metrics;
  return metrics;
}

Rect FrameInsets(uint32_t style) {
  const FrameMetrics& m = Metrics();
  int edge = 0;
  if (style & WS_THICKFRAME) {
    edge = m.sizingFrame;
  } else if (style & WS_DLGFRAME) {
    edge = m.dialogFrame;
  } else if (style & WS_BORDER) {
    edge = m.border;
  }
  int caption = (style & WS_CAPTION) == WS_CAPTION ? m.caption : 0;
  return {edge, edge + caption, edge, edge};
}

Size ScreenSize() { return CurrentHost().ScreenSize(); }

namespace {

// The screen position of a window's client origin; call with the registry locked.
Point ClientOriginLocked(const WindowRecord& window) {
  Rect insets = FrameInsets(window.style);
  Point origin{window.rect.left + insets.left, window.rect.top + insets.top};
  if (window.parent) {
    if (WindowRecord* parent = FindWindow(window.parent)) {
      Point parentOrigin = ClientOriginLocked(*parent);
      origin.x += parentOrigin.x;
      origin.y += parentOrigin.y;
    }
  }
  return origin;
}

Rect ClientRectLocked(const WindowRecord& window) {
  Rect insets = FrameInsets(window.style);
  int width = std::max(0, window.rect.Width() - insets.left - insets.right);
  int height = std::max(0, window.rect.Height() - insets.top - insets.bottom);
  return {0, 0, width, height};
}

void Restack(Hwnd hwnd, Hwnd insertAfter) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  if (!window) return;
  auto& siblings = SiblingsOf(*window);
  siblings.erase(std::remove(siblings.begin(), siblings.end(), hwnd), siblings.end());
  auto at = siblings.begin();
  if (insertAfter == HWND_BOTTOM) {
    at = siblings.end();
  } else if (insertAfter) {
    at = std::find(siblings.begin(), siblings.end(), insertAfter);
    at = at == siblings.end() ? siblings.begin() : at + 1;
  }
  siblings.insert(KeepBelowTopmost(siblings, at, *window), hwnd);
}

// The deepest visible child of `window` under the point, or null for none; `window`
// itself when a disabled child is hit (it passes the point to its parent). A child
// transparent to the mouse is not hit itself, but its own children are.
Hwnd ChildUnder(WindowRecord& window, Point screen) {
  Point parentOrigin = ClientOriginLocked(window);
  for (Hwnd childHandle : window.children) {
    WindowRecord* child = FindWindow(childHandle);
    if (!child || !(child->style & WS_VISIBLE)) continue;
    if (!child->rect.Offset(parentOrigin.x, parentOrigin.y).Contains(screen)) continue;
    if (child->mouseTransparent) {
      Hwnd inside = ChildUnder(*child, screen);
      if (inside == child->handle) return window.handle;  // a disabled child passes the point up
      if (inside) return inside;
      continue;
    }
    if (child->style & WS_DISABLED) return window.handle;
    Hwnd deeper = ChildUnder(*child, screen);
    return deeper ? deeper : child->handle;
  }
  return Hwnd{};
}

Hwnd ChildAt(WindowRecord& window, Point screen) {
  Hwnd child = ChildUnder(window, screen);
  return child ? child : window.handle;
}

}  // namespace

Rect GetWindowRect(Hwnd hwnd) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  if (!window) return {};
  if (!window->parent) return window->rect;
  WindowRecord* parent = FindWindow(window->parent);
  Point origin = parent ? ClientOriginLocked(*parent) : Point{};
  return window->rect.Offset(origin.x, origin.y);
}

Rect GetClientRect(Hwnd hwnd) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  return window ? ClientRectLocked(*window) : Rect{};
}

Rect GetWindowPlacement(Hwnd hwnd) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  return window ? window->rect : Rect{};
}

Point ClientToScreen(Hwnd hwnd, Point p) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  if (!window) return p;
  Point origin = ClientOriginLocked(*window);
  return {p.x + origin.x, p.y + origin.y};
}

Point ScreenToClient(Hwnd hwnd, Point p) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  if (!window) return p;
  Point origin = ClientOriginLocked(*window);
  return {p.x - origin.x, p.y - origin.y};
}

bool MoveWindow(Hwnd hwnd, int x, int y, int width, int height) {
  return SetWindowPos(hwnd, HWND_TOP, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int width, int height, uint32_t flags) {
  Rect before;
  Rect after;
  {
    RegistryLock lock(TheRegistry().mutex);
    WindowRecord* window = FindWindow(hwnd);
    if (!window) return false;
    before = window->rect;
    after = before;
    if (!(flags & SWP_NOMOVE)) after = after.Offset(x - before.left, y - before.top);
    if (!(flags & SWP_NOSIZE)) {
      after.right = after.left + std::max(0, width);
      after.bottom = after.top + std::max(0, height);
    }
    window->rect = after;
  }
  if (!(flags & SWP_NOZORDER)) {
    Restack(hwnd, insertAfter);
    CurrentHost().WindowChanged(hwnd, WindowChange::Restacked);
  }
  if (before != after) {
    Rect insets = FrameInsets(GetWindowStyle(hwnd));
    if (before.left != after.left || before.top != after.top) {
      SendMessage(hwnd, WM_MOVE, 0, PackPoint(after.left + insets.left, after.top + insets.top));
    }
    if (before.Width() != after.Width() || before.Height() != after.Height()) {
      Rect client = GetClientRect(hwnd);
      SendMessage(hwnd, WM_SIZE, SIZE_RESTORED,
                  PackWords(static_cast<unsigned>(client.Width()), static_cast<unsigned>(client.Height())));
    }
    Hwnd parent = GetParent(hwnd);
    if (parent && IsWindowVisible(hwnd)) InvalidateUncovered(parent, before);
    InvalidateTree(hwnd);
    CurrentHost().WindowChanged(hwnd, WindowChange::Moved);
  }
  if (flags & SWP_SHOWWINDOW) ShowWindow(hwnd, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
  if (flags & SWP_HIDEWINDOW) ShowWindow(hwnd, SW_HIDE);
  return true;
}

bool BringWindowToTop(Hwnd hwnd) {
  if (!IsWindow(hwnd)) return false;
  Restack(hwnd, HWND_TOP);
  CurrentHost().WindowChanged(hwnd, WindowChange::Restacked);
  return true;
}

Hwnd WindowFromPoint(Point screen) {
  RegistryLock lock(TheRegistry().mutex);
  for (Hwnd topHandle : TheRegistry().topLevel) {
    WindowRecord* top = FindWindow(topHandle);
    if (!top || !(top->style & WS_VISIBLE) || !top->rect.Contains(screen)) continue;
    if (top->mouseTransparent) {
      Hwnd inside = ChildUnder(*top, screen);
      if (inside == top->handle) return Hwnd{};
      if (inside) return inside;
      continue;
    }
    if (top->style & WS_DISABLED) return Hwnd{};
    return ChildAt(*top, screen);
  }
  return Hwnd{};
}

bool SetMouseTransparent(Hwnd hwnd, bool transparent) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  if (!window) return false;
  window->mouseTransparent = transparent;
  return true;
}

bool InClientArea(Hwnd hwnd, Point screen) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  if (!window) return false;
  Point origin = ClientOriginLocked(*window);
  return ClientRectLocked(*window).Offset(origin.x, origin.y).Contains(screen);
}

}  // namespace qor::ui
