#pragma once
// Internal: the records behind window handles and class names, and the lock that
// guards them. Only the core's own files include this.
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "window/platform/core/window_class.h"

namespace qor::ui::detail {

struct ThreadQueue;

struct ClassRecord {
  WindowClass description;
  int windowCount = 0;
};

struct WindowRecord {
  Hwnd handle;
  std::shared_ptr<ClassRecord> windowClass;
  WindowProc proc = nullptr;
  uint32_t style = 0;
  uint32_t exStyle = 0;
  Hwnd parent;                 // child windows
  Hwnd owner;                  // pop-up and overlapped windows
  std::vector<Hwnd> children;  // z-order, topmost first
  Rect rect;                   // window rectangle: screen for top-level, parent's client for children
  std::string text;
  intptr_t id = 0;             // control id of a child window
  std::vector<uint8_t> extra;
  std::map<std::string, uintptr_t, std::less<>> properties;
  ThreadQueue* queue = nullptr;  // the thread that created the window
  Rect updateRect;             // client area waiting for WM_PAINT
  bool needsPaint = false;
  bool eraseBackground = false;  // the next painting erases first (WM_ERASEBKGND)
  bool frameDirty = false;     // the frame and caption are drawn again at the next painting
  bool destroying = false;
  bool created = false;        // WM_CREATE accepted
  bool mouseTransparent = false;  // the mouse passes through to what lies beneath
};

// All windows and classes of the process.
struct Registry {
  std::recursive_mutex mutex;
  std::unordered_map<uint32_t, std::unique_ptr<WindowRecord>> windows;
  std::vector<Hwnd> topLevel;  // z-order, topmost first
  std::unordered_map<std::string, std::shared_ptr<ClassRecord>> classes;  // key: lower-case name
  uint32_t lastHandle = 0;
};

Registry& TheRegistry();
using RegistryLock = std::lock_guard<std::recursive_mutex>;

// Lookups; call with the registry locked.
WindowRecord* FindWindow(Hwnd hwnd);
std::shared_ptr<ClassRecord> FindClass(std::string_view name);
std::vector<Hwnd>& SiblingsOf(const WindowRecord& window);
// Moves an insertion point on top of the z-order below the topmost windows, unless the
// window being placed is topmost itself.
std::vector<Hwnd>::iterator KeepBelowTopmost(std::vector<Hwnd>& siblings, std::vector<Hwnd>::iterator at,
                                             const WindowRecord& window);
// Names of classes and properties match without regard to case: this is their key.
std::string FoldedClassName(std::string_view name);

}  // namespace qor::ui::detail
