#include "window/platform/core/invalidation.h"

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

bool InvalidateRect(Hwnd hwnd, const Rect* rect, bool erase) {
  Rect client = GetClientRect(hwnd);
  Rect area = rect ? Intersection(*rect, client) : client;
  ThreadQueue* queue = nullptr;
  {
    RegistryLock lock(TheRegistry().mutex);
    WindowRecord* window = FindWindow(hwnd);
    if (!window) return false;
    if (area.IsEmpty()) return true;
    window->updateRect = Union(window->updateRect, area);
    window->needsPaint = true;
    window->eraseBackground = window->eraseBackground || erase;
    queue = window->queue;
  }
  queue->Notify();
  CurrentHost().WindowChanged(hwnd, WindowChange::Invalidated);
  return true;
}

bool ValidateRect(Hwnd hwnd, const Rect* rect) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  if (!window) return false;
  bool coversAll = !rect || Intersection(*rect, window->updateRect) == window->updateRect;
  if (coversAll) {
    window->updateRect = Rect{};
    window->needsPaint = false;
    window->eraseBackground = false;
  }
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
  MarkFrameDirty(hwnd);
  InvalidateRect(hwnd, nullptr, true);
  for (Hwnd child : GetChildren(hwnd)) InvalidateTree(child);
}

namespace detail {

namespace {

// The invalid window of the thread with the lowest handle above `after`: windows are made
// parents first, so this paints parents before their children.
Hwnd NextInvalidAfter(ThreadQueue& queue, uint32_t after) {
  RegistryLock lock(TheRegistry().mutex);
  Hwnd next;
  for (auto& [value, window] : TheRegistry().windows) {
    if (!window->needsPaint || window->queue != &queue || window->destroying) continue;
    if (value <= after || (next && value > next.value)) continue;
    next = window->handle;
  }
  return next;
}

}  // namespace

bool NextPaintMessage(ThreadQueue& queue, Msg& msg, Hwnd filter) {
  Hwnd next = NextInvalidAfter(queue, 0);
  // Hidden windows and windows outside the filter keep their request for later.
  while (next && (!IsWindowVisible(next) || (filter && next != filter && !IsChild(filter, next)))) {
    next = NextInvalidAfter(queue, next.value);
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
  window->updateRect = Rect{};
  window->needsPaint = false;
  window->eraseBackground = false;
  return true;
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
