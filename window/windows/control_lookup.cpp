// The by-number index of a window's controls.
#include "window/windows/control_lookup.h"

#include <algorithm>

#include "window/controls/control.h"
#include "window/detail/window_object.h"

namespace qor::win {

void IndexControlsByNumber(Window& window) {
  window.byNumber.clear();
  for (const auto& control : window.controls) {
    if (control->Number() != 0) window.byNumber.push_back(control.get());
  }
  std::stable_sort(window.byNumber.begin(), window.byNumber.end(),
                   [](const Control* a, const Control* b) { return a->Number() < b->Number(); });
}

Control* FindControl(const Window& window, int32_t number) {
  if (number == 0) return nullptr;
  auto at = std::lower_bound(window.byNumber.begin(), window.byNumber.end(), number,
                             [](const Control* control, int32_t wanted) { return control->Number() < wanted; });
  return at != window.byNumber.end() && (*at)->Number() == number ? *at : nullptr;
}

}  // namespace qor::win
