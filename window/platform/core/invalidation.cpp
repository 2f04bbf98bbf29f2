#include "window/platform/core/invalidation.h"

#include <algorithm>
#include <vector>

#include "os/clock.h"
#include "window/platform/core/detail/message_sources.h"
#include "window/platform/core/detail/thread_queue.h"
#include "window/platform/core/detail/window_records.h"
#include "window/platform/core/host.h"
#include "window/platform/core/input.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/upper_layers.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"

namespace qor::ui {

using namespace detail;

namespace {

// A window whose update area grew, to be announced once the lock is let go.
struct Grown {
  Hwnd hwnd;
  ThreadQueue* queue;
};

bool VisibleLocked(const WindowRecord* window) {
  for (; window; window = window->parent ? FindWindow(window->parent) : nullptr) {
    if (!(window->style & WS_VISIBLE)) return false;
  }
  return true;
}

Rect ClientAreaLocked(const WindowRecord& window) {
  Rect insets = FrameInsets(window.style);
  return {0, 0, std::max(0, window.rect.Width() - insets.left - insets.right),
          std::max(0, window.rect.Height() - insets.top - insets.bottom)};
}

void AddUpdateArea(WindowRecord& window, const Rect& area, bool erase, std::vector<Grown>& grown) {
  window.updateRect = Union(window.updateRect, area);
  window.needsPaint = true;
  window.eraseBackground = window.eraseBackground || erase;
  window.queue->invalidWindows.insert(window.handle.value);
  grown.push_back({window.handle, window.queue});
}

void ForgetUpdateArea(WindowRecord& window) {
  window.updateRect = Rect{};
  window.needsPaint = false;
  window.eraseBackground = false;
  window.queue->invalidWindows.erase(window.handle.value);
}

// Which children a painting of their parent's area covers: all of them when the parent
// does not clip its children (or when the area was uncovered by a window that went, so
// everything under it was hidden), else only those that leave their parent's painting
// showing through (WS_EX_TRANSPARENT).
enum class Reach { PaintedOver, Uncovered };

bool CoveredByParent(const WindowRecord& parent, const WindowRecord& child, Reach reach) {
  if (!(child.style & WS_VISIBLE)) return false;
  return reach == Reach::Uncovered || !(parent.style & WS_CLIPCHILDREN) || (child.exStyle & WS_EX_TRANSPARENT);
}

// Adds `area` (client coordinates) to the window and to the children its painting covers
// there, recursively; a child whose frame lies under the area draws its frame again.
void InvalidateLocked(WindowRecord& window, Rect area, bool erase, Reach reach, std::vector<Grown>& grown) {
  area = Intersection(area, ClientAreaLocked(window));
  if (area.IsEmpty()) return;
  AddUpdateArea(window, area, erase, grown);
  for (Hwnd childHandle : window.children) {
    WindowRecord* child = FindWindow(childHandle);
    if (!child || !CoveredByParent(window, *child, reach)) continue;
    Rect under = Intersection(area, child->rect);
    if (under.IsEmpty()) continue;
    Rect insets = FrameInsets(child->style);
    Point origin{child->rect.left + insets.left, child->rect.top + insets.top};
    Rect inChild = under.Offset(-origin.x, -origin.y);
    if (Intersection(inChild, ClientAreaLocked(*child)) != inChild) child->frameDirty = true;
    InvalidateLocked(*child, inChild, erase, reach, grown);
  }
}

void InvalidateTreeLocked(WindowRecord& window, std::vector<Grown>& grown) {
  if (FrameInsets(window.style) != Rect{}) window.frameDirty = true;
  Rect client = ClientAreaLocked(window);
  if (!client.IsEmpty()) AddUpdateArea(window, client, true, grown);
  for (Hwnd childHandle : window.children) {
    WindowRecord* child = FindWindow(childHandle);
    if (child && (child->style & WS_VISIBLE)) InvalidateTreeLocked(*child, grown);
  }
}

void ForgetTreeLocked(WindowRecord& window) {
  ForgetUpdateArea(window);
  for (Hwnd childHandle : window.children) {
    if (WindowRecord* child = FindWindow(childHandle)) ForgetTreeLocked(*child);
  }
}

// Wakes the threads concerned and tells the host, outside the lock.
void Announce(const std::vector<Grown>& grown) {
  ThreadQueue* last = nullptr;
  for (const Grown& g : grown) {
    if (g.queue != last) g.queue->Notify();
    last = g.queue;
  }
  for (const Grown& g : grown) CurrentHost().WindowChanged(g.hwnd, WindowChange::Invalidated);
}

}  // namespace

bool InvalidateRect(Hwnd hwnd, const Rect* rect, bool erase) {
  std::vector<Grown> grown;
  {
    RegistryLock lock(TheRegistry().mutex);
    WindowRecord* window = FindWindow(hwnd);
    if (!window) return false;
    // A hidden window keeps no request: showing it paints it whole.
    if (!VisibleLocked(window) || window->destroying) return true;
    InvalidateLocked(*window, rect ? *rect : ClientAreaLocked(*window), erase, Reach::PaintedOver, grown);
  }
  Announce(grown);
  return true;
}

bool ValidateRect(Hwnd hwnd, const Rect* rect) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  if (!window) return false;
  bool coversAll = !rect || Intersection(*rect, window->updateRect) == window->updateRect;
  if (coversAll) ForgetUpdateArea(*window);
  return true;
}

Rect GetUpdateRect(Hwnd hwnd) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  return window && window->needsPaint ? window->updateRect : Rect{};
}

bool UpdateWindow(Hwnd hwnd) {
  if (!IsWindow(hwnd)) return false;
  if (GetUpdateRect(hwnd).IsEmpty() || !IsWindowVisible(hwnd)) return true;
  SendMessage(hwnd, WM_PAINT, 0, 0);
  return true;
}

void InvalidateTree(Hwnd hwnd) {
  std::vector<Grown> grown;
  {
    RegistryLock lock(TheRegistry().mutex);
    WindowRecord* window = FindWindow(hwnd);
    if (!window || !VisibleLocked(window) || window->destroying) return;
    InvalidateTreeLocked(*window, grown);
  }
  Announce(grown);
}

namespace detail {

bool NextPaintMessage(ThreadQueue& queue, Msg& msg, Hwnd filter) {
  Hwnd next;
  {
    RegistryLock lock(TheRegistry().mutex);
    // Windows outside the filter keep their request for later.
    for (uint32_t value : queue.invalidWindows) {
      WindowRecord* window = FindWindow(Hwnd{value});
      if (!window || window->destroying || !VisibleLocked(window)) continue;
      if (filter && window->handle != filter && !IsChild(filter, window->handle)) continue;
      next = window->handle;
      break;
    }
  }
  if (!next) return false;
  msg = Msg{next, WM_PAINT, 0, 0, os::TickCount(), GetCursorPos(), 0};
  return true;
}

}  // namespace detail

bool TakeUpdateArea(Hwnd hwnd, Rect& area, bool& erase) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  if (!window) return false;
  area = window->needsPaint ? window->updateRect : Rect{};
  erase = window->needsPaint && window->eraseBackground;
  ForgetUpdateArea(*window);
  return true;
}

void InvalidateUncovered(Hwnd parent, const Rect& area) {
  std::vector<Grown> grown;
  {
    RegistryLock lock(TheRegistry().mutex);
    WindowRecord* window = FindWindow(parent);
    if (!window || !VisibleLocked(window) || window->destroying) return;
    InvalidateLocked(*window, area, true, Reach::Uncovered, grown);
  }
  Announce(grown);
}

void ForgetTreeUpdateAreas(Hwnd hwnd) {
  RegistryLock lock(TheRegistry().mutex);
  if (WindowRecord* window = FindWindow(hwnd)) ForgetTreeLocked(*window);
}

void MarkFrameDirty(Hwnd hwnd) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  if (window && FrameInsets(window->style) != Rect{}) window->frameDirty = true;
}

void DrawFrameIfDirty(Hwnd hwnd) {
  bool marked = false;
  {
    RegistryLock lock(TheRegistry().mutex);
    WindowRecord* window = FindWindow(hwnd);
    marked = window && window->frameDirty;
    if (marked) window->frameDirty = false;
  }
  if (marked && GetUpperLayers().drawFrame) GetUpperLayers().drawFrame(hwnd);
}

void RedrawCaption(Hwnd hwnd) {
  bool hasCaption = (GetWindowStyle(hwnd) & WS_CAPTION) == WS_CAPTION;
  if (!hasCaption || !IsWindowVisible(hwnd) || !GetUpperLayers().drawFrame) return;
  {
    RegistryLock lock(TheRegistry().mutex);
    WindowRecord* window = FindWindow(hwnd);
    if (!window || window->frameDirty) return;
  }
  GetUpperLayers().drawFrame(hwnd);
}

}  // namespace qor::ui
