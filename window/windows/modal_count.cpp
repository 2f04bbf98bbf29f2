#include "window/windows/modal_count.h"

#include <atomic>

#include "window/detail/window_object.h"
#include "window/windows/window_lifecycle.h"

namespace qor::win {
namespace {
std::atomic<int32_t> gModalCount{0};
}

void CountModal(Window& window) {
  if (window.countedModal) return;
  window.countedModal = true;
  ++gModalCount;
}

void UncountModal(Window& window) {
  if (!window.countedModal) return;
  window.countedModal = false;
  --gModalCount;
}

int32_t ModalCount() { return gModalCount; }

}  // namespace qor::win
