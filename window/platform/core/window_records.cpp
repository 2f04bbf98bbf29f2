#include "window/platform/core/detail/window_records.h"

#include "os/ascii_case.h"
#include "window/platform/core/styles.h"

namespace qor::ui::detail {

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

WindowRecord* FindWindow(Hwnd hwnd) {
  auto& windows = TheRegistry().windows;
  auto found = windows.find(hwnd.value);
  return found == windows.end() ? nullptr : found->second.get();
}

std::string FoldedClassName(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) c = os::AsciiLower(c);
  return folded;
}

std::shared_ptr<ClassRecord> FindClass(std::string_view name) {
  auto& classes = TheRegistry().classes;
  auto found = classes.find(FoldedClassName(name));
  return found == classes.end() ? nullptr : found->second;
}

std::vector<Hwnd>::iterator KeepBelowTopmost(std::vector<Hwnd>& siblings, std::vector<Hwnd>::iterator at,
                                             const WindowRecord& window) {
  if (window.exStyle & WS_EX_TOPMOST) return at;
  while (at != siblings.end()) {
    WindowRecord* above = FindWindow(*at);
    if (!above || !(above->exStyle & WS_EX_TOPMOST)) break;
    ++at;
  }
  return at;
}

std::vector<Hwnd>& SiblingsOf(const WindowRecord& window) {
  if (window.parent) {
    if (WindowRecord* parent = FindWindow(window.parent)) return parent->children;
  }
  return TheRegistry().topLevel;
}

}  // namespace qor::ui::detail
