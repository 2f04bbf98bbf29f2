#include "window/classes/window_lookup.h"

#include <string>

#include "window/classes/window_class_name.h"
#include "window/detail/live_objects.h"
#include "window/detail/object_reference.h"
#include "window/events/runtime_messages.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_class.h"

namespace qor::win {
namespace {

RuntimeObject ObjectOf(uintptr_t reference) {
  RuntimeObject found;
  found.window = detail::LiveWindow(reference);
  if (!found.window) found.control = detail::LiveControl(reference);
  return found;
}

}  // namespace

bool IsRuntimeWindow(ui::Hwnd hwnd) {
  if (!ui::IsWindow(hwnd)) return false;
  return ui::GetClassName(hwnd).starts_with(kRuntimeClassPrefix);
}

RuntimeObject WindowObjectFromHandle(ui::Hwnd hwnd) {
  if (!ui::IsWindow(hwnd)) return {};
  uintptr_t reference = 0;
  if (detail::ReadObjectReference(hwnd, reference)) return ObjectOf(reference);
  if (!IsRuntimeWindow(hwnd)) return {};
  return ObjectOf(static_cast<uintptr_t>(ui::SendMessage(hwnd, QUERY_PFIELD, 0, 0)));
}

}  // namespace qor::win
