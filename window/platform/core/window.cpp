#include "window/platform/core/window.h"
#include "window/platform/core/detail/message_sources.h"

#include <algorithm>

#include "window/platform/core/caret.h"
#include "window/platform/core/detail/thread_queue.h"
#include "window/platform/core/detail/window_records.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/host.h"
#include "window/platform/core/invalidation.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/timers.h"
#include "window/platform/core/upper_layers.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"

namespace qor::ui {

using namespace detail;

namespace {

// Where a top-level window goes when the caller leaves it to the system: a cascade.
Rect DefaultPlacement(const CreateParams& p, uint32_t createdSoFar) {
  Size screen = ScreenSize();
  int step = static_cast<int>(createdSoFar % 8) * 24;
  int x = p.x == CW_USEDEFAULT ? 32 + step : p.x;
  int y = p.y == CW_USEDEFAULT ? 32 + step : p.y;
  int width = p.width == CW_USEDEFAULT ? screen.cx * 3 / 4 : p.width;
  int height = p.height == CW_USEDEFAULT ? screen.cy * 3 / 4 : p.height;
  return {x, y, x + width, y + height};
}

Rect ChildPlacement(const CreateParams& p) {
  int x = p.x == CW_USEDEFAULT ? 0 : p.x;
  int y = p.y == CW_USEDEFAULT ? 0 : p.y;
  int width = p.width == CW_USEDEFAULT ? 0 : p.width;
  int height = p.height == CW_USEDEFAULT ? 0 : p.height;
  return {x, y, x + width, y + height};
}

// Makes the record; null if the class or the parent is wrong.
Hwnd AddWindowRecord(const CreateParams& p) {
  auto& registry = TheRegistry();
  RegistryLock lock(registry.mutex);
  auto windowClass = FindClass(p.className);
  if (!windowClass) return Hwnd{};
  bool child = (p.style & WS_CHILD) != 0;
  WindowRecord* parent = p.parent ? FindWindow(p.parent) : nullptr;
  if (child && (!parent || parent->destroying)) return Hwnd{};
  if (!child && p.parent && !parent) return Hwnd{};

  auto record = std::make_unique<WindowRecord>();
  record->handle = Hwnd{++registry.lastHandle};
  record->windowClass = windowClass;
  record->proc = windowClass->description.proc;
  record->style = p.style & ~WS_VISIBLE;
  record->exStyle = p.exStyle;
  if (child) {
    record->parent = p.parent;
    record->rect = ChildPlacement(p);
  } else {
    record->owner = p.parent ? GetTopLevel(p.parent) : Hwnd{};
    record->rect = DefaultPlacement(p, registry.lastHandle);
  }
  record->text = p.title;
  record->id = p.id;
  record->extra.assign(static_cast<size_t>(windowClass->description.extraBytes), 0);
  record->queue = &CurrentQueue();
  Hwnd handle = record->handle;
  // A new top-level window goes on top; a new child goes below its siblings, so the
  // first child made is on top and the z-order is also the order of making (the tab order).
  auto& siblings = child ? parent->children : registry.topLevel;
  bool below = child && !(record->exStyle & WS_EX_TOPMOST);
  siblings.insert(below ? siblings.end() : KeepBelowTopmost(siblings, siblings.begin(), *record), handle);
  ++windowClass->windowCount;
  registry.windows.emplace(handle.value, std::move(record));
  return handle;
}

void CollectSubtree(Hwnd hwnd, std::vector<Hwnd>& preorder) {
  preorder.push_back(hwnd);
  for (Hwnd child : GetChildren(hwnd)) CollectSubtree(child, preorder);
}

std::vector<Hwnd> OwnedWindows(Hwnd owner) {
  RegistryLock lock(TheRegistry().mutex);
  std::vector<Hwnd> owned;
  for (Hwnd top : TheRegistry().topLevel) {
    WindowRecord* window = FindWindow(top);
    if (window && window->owner == owner && !window->destroying) owned.push_back(top);
  }
  return owned;
}

// Takes the focus, the capture, the caret and activation away from a subtree that is going.
void WithdrawInput(Hwnd hwnd) {
  if (Hwnd capture = GetCapture(); capture && (capture == hwnd || IsChild(hwnd, capture))) ReleaseCapture();
  if (GetActiveWindow() == hwnd) DeactivateWindow(hwnd);
  if (Hwnd focus = GetFocus(); focus && (focus == hwnd || IsChild(hwnd, focus))) SetFocus(Hwnd{});
  if (Hwnd caret = GetCaretInfo().owner; caret && (caret == hwnd || IsChild(hwnd, caret))) DestroyCaret();
}

void RemoveRecords(const std::vector<Hwnd>& subtree) {
  std::vector<std::pair<Hwnd, ThreadQueue*>> removed;
  {
    RegistryLock lock(TheRegistry().mutex);
    for (Hwnd h : subtree) {
      WindowRecord* window = FindWindow(h);
      if (!window) continue;
      auto& siblings = SiblingsOf(*window);
      siblings.erase(std::remove(siblings.begin(), siblings.end(), h), siblings.end());
      --window->windowClass->windowCount;
      window->queue->invalidWindows.erase(h.value);
      removed.emplace_back(h, window->queue);
    }
    for (Hwnd h : subtree) TheRegistry().windows.erase(h.value);
  }
  for (auto& [h, queue] : removed) KillWindowTimers(*queue, h);
}

}  // namespace

Hwnd CreateWindow(const std::string& className, const std::string& title, uint32_t style, const Rect& at,
                  Hwnd parent, intptr_t id) {
  CreateParams params;
  params.className = className;
  params.title = title;
  params.style = style;
  params.PlaceAt(at);
  params.parent = parent;
  params.id = id;
  return CreateWindow(params);
}

Hwnd CreateWindow(const CreateParams& params) {
  // The system's classes come on first use of their names.
  if (GetUpperLayers().registerSystemClass) GetUpperLayers().registerSystemClass(params.className);
  Hwnd hwnd = AddWindowRecord(params);
  if (!hwnd) return hwnd;
  CurrentHost().WindowChanged(hwnd, WindowChange::Created);
  if (SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LParam>(&params)) == -1) {
    DestroyWindow(hwnd);
    return Hwnd{};
  }
  if (!IsWindow(hwnd)) return Hwnd{};
  {
    RegistryLock lock(TheRegistry().mutex);
    if (WindowRecord* window = FindWindow(hwnd)) window->created = true;
  }
  Rect client = GetClientRect(hwnd);
  SendMessage(hwnd, WM_SIZE, SIZE_RESTORED, PackWords(static_cast<unsigned>(client.Width()), static_cast<unsigned>(client.Height())));
  Rect placed = GetWindowPlacement(hwnd);
  Rect insets = FrameInsets(GetWindowStyle(hwnd));
  SendMessage(hwnd, WM_MOVE, 0, PackPoint(placed.left + insets.left, placed.top + insets.top));
  if ((params.style & WS_VISIBLE) && IsWindow(hwnd)) ShowWindow(hwnd, SW_SHOW);
  return IsWindow(hwnd) ? hwnd : Hwnd{};
}

bool DestroyWindow(Hwnd hwnd) {
  {
    RegistryLock lock(TheRegistry().mutex);
    WindowRecord* window = FindWindow(hwnd);
    if (!window || window->destroying || window->queue != &CurrentQueue()) return false;
  }
  for (Hwnd owned : OwnedWindows(hwnd)) DestroyWindow(owned);

  std::vector<Hwnd> subtree;
  CollectSubtree(hwnd, subtree);
  {
    RegistryLock lock(TheRegistry().mutex);
    for (Hwnd h : subtree) FindWindow(h)->destroying = true;
  }
  WithdrawInput(hwnd);
  bool wasVisible = IsWindowVisible(hwnd);
  Hwnd parent = GetParent(hwnd);
  Rect place = GetWindowPlacement(hwnd);
  {
    RegistryLock lock(TheRegistry().mutex);
    FindWindow(hwnd)->style &= ~WS_VISIBLE;
  }
  if (wasVisible) CurrentHost().WindowChanged(hwnd, WindowChange::Hidden);

  for (Hwnd h : subtree) SendMessage(h, WM_DESTROY, 0, 0);
  for (auto h = subtree.rbegin(); h != subtree.rend(); ++h) SendMessage(*h, WM_NCDESTROY, 0, 0);
  RemoveRecords(subtree);
  if (wasVisible && parent) InvalidateUncovered(parent, place);
  CurrentHost().WindowChanged(hwnd, WindowChange::Destroyed);
  return true;
}

bool IsWindow(Hwnd hwnd) {
  RegistryLock lock(TheRegistry().mutex);
  return FindWindow(hwnd) != nullptr;
}

Hwnd GetParent(Hwnd hwnd) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  return window ? window->parent : Hwnd{};
}

Hwnd GetOwner(Hwnd hwnd) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  return window ? window->owner : Hwnd{};
}

Hwnd GetTopLevel(Hwnd hwnd) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  while (window && window->parent) window = FindWindow(window->parent);
  return window ? window->handle : Hwnd{};
}

bool IsChild(Hwnd parent, Hwnd hwnd) {
  if (!parent) return false;
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  while (window && window->parent) {
    if (window->parent == parent) return true;
    window = FindWindow(window->parent);
  }
  return false;
}

std::vector<Hwnd> GetChildren(Hwnd parent) {
  RegistryLock lock(TheRegistry().mutex);
  if (!parent) return TheRegistry().topLevel;
  WindowRecord* window = FindWindow(parent);
  return window ? window->children : std::vector<Hwnd>{};
}

Hwnd GetDlgItem(Hwnd parent, intptr_t id) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(parent);
  if (!window) return Hwnd{};
  for (Hwnd child : window->children) {
    if (FindWindow(child)->id == id) return child;
  }
  return Hwnd{};
}

intptr_t GetDlgCtrlID(Hwnd hwnd) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  return window ? window->id : 0;
}

os::ThreadId GetWindowThread(Hwnd hwnd) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  return window ? window->queue->thread : 0;
}

}  // namespace qor::ui
