#include "window/platform/core/properties.h"

#include "window/platform/core/detail/window_records.h"

namespace qor::ui {

using namespace detail;

bool SetProp(Hwnd hwnd, std::string_view name, uintptr_t value) {
  if (name.empty()) return false;
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  if (!window) return false;
  window->properties[FoldedClassName(name)] = value;
  return true;
}

std::optional<uintptr_t> FindProp(Hwnd hwnd, std::string_view name) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  if (!window) return std::nullopt;
  auto found = window->properties.find(FoldedClassName(name));
  if (found == window->properties.end()) return std::nullopt;
  return found->second;
}

uintptr_t GetProp(Hwnd hwnd, std::string_view name) { return FindProp(hwnd, name).value_or(0); }

uintptr_t RemoveProp(Hwnd hwnd, std::string_view name) {
  RegistryLock lock(TheRegistry().mutex);
  WindowRecord* window = FindWindow(hwnd);
  if (!window) return 0;
  auto found = window->properties.find(FoldedClassName(name));
  if (found == window->properties.end()) return 0;
  uintptr_t value = found->second;
  window->properties.erase(found);
  return value;
}

}  // namespace qor::ui
