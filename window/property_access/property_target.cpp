// Resolving the target of a property call.
#include "window/property_access/property_target.h"

#include "runtime/errors/run_time_error.h"
#include "window/detail/live_objects.h"
#include "window/detail/window_object.h"
#include "window/events/post_event.h"

namespace qor::win {
namespace {

constexpr int32_t kWindowNotOpen = 536;

PropertyTarget OpenWindowTarget(Window* window) {
  if (!window || !window->IsOpen()) rt::RunTimeError(kWindowNotOpen, "WSLDIAL");
  return PropertyTarget{TargetKind::kWindow, window};
}

}  // namespace

PropertyTarget ResolvePropertyTarget(intptr_t target) {
  switch (target) {
    case kTargetWindow: return OpenWindowTarget(TargetWindow());
    case kTargetSystem: return PropertyTarget{TargetKind::kSystem, nullptr};
    case kTargetSecondObject: return PropertyTarget{TargetKind::kSecondObject, nullptr};
    default: return OpenWindowTarget(detail::LiveWindow(static_cast<uintptr_t>(target)));
  }
}

PropertyTarget WindowTarget(Window& window) { return OpenWindowTarget(&window); }

}  // namespace qor::win
