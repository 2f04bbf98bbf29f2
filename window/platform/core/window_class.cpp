#include "window/platform/core/window_class.h"

#include "window/platform/core/detail/window_records.h"
#include "window/platform/core/upper_layers.h"

namespace qor::ui {

using namespace detail;

bool RegisterClass(const WindowClass& description) {
  if (description.name.empty() || description.proc == nullptr || description.extraBytes < 0) return false;
  RegistryLock lock(TheRegistry().mutex);
  auto& classes = TheRegistry().classes;
  std::string key = FoldedClassName(description.name);
  if (classes.count(key)) return false;
  auto record = std::make_shared<ClassRecord>();
  record->description = description;
  classes.emplace(std::move(key), std::move(record));
  return true;
}

bool UnregisterClass(std::string_view name) {
  RegistryLock lock(TheRegistry().mutex);
  auto& classes = TheRegistry().classes;
  auto found = classes.find(FoldedClassName(name));
  if (found == classes.end() || found->second->windowCount > 0) return false;
  classes.erase(found);
  return true;
}

bool IsClassRegistered(std::string_view name) {
  RegistryLock lock(TheRegistry().mutex);
  return FindClass(name) != nullptr;
}

std::optional<WindowClass> GetClassInfo(std::string_view name) {
  {
    RegistryLock lock(TheRegistry().mutex);
    if (auto record = FindClass(name)) return record->description;
  }
  auto registerSystemClass = GetUpperLayers().registerSystemClass;
  if (!registerSystemClass || !registerSystemClass(name)) return std::nullopt;
  RegistryLock lock(TheRegistry().mutex);
  auto record = FindClass(name);
  if (!record) return std::nullopt;
  return record->description;
}

namespace {
template <typename T, typename Read>
T ReadClass(Hwnd hwnd, T fallback, Read read) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  return window ? read(window->windowClass->description) : fallback;
}
}  // namespace

std::string GetClassName(Hwnd hwnd) {
  return ReadClass(hwnd, std::string(), [](const WindowClass& c) { return c.name; });
}

uint32_t GetClassStyle(Hwnd hwnd) {
  return ReadClass(hwnd, 0u, [](const WindowClass& c) { return c.style; });
}

IconHandle GetClassIcon(Hwnd hwnd) {
  return ReadClass(hwnd, IconHandle::None, [](const WindowClass& c) { return c.icon; });
}

CursorHandle GetClassCursor(Hwnd hwnd) {
  return ReadClass(hwnd, CursorHandle::None, [](const WindowClass& c) { return c.cursor; });
}

}  // namespace qor::ui
