// Dispatching property calls to windows, controls and built-in objects.
#include "window/property_access/property_dispatch.h"

#include <cstdio>
#include <string>

#include "runtime/base/trace_log.h"
#include "window/controls/control.h"
#include "window/detail/window_object.h"
#include "window/properties/property_check.h"
#include "window/property_access/kind_property_handlers.h"
#include "window/property_access/window_property_handler.h"
#include "window/windows/control_lookup.h"

namespace qor::win {
namespace {

// Calls run under the runtime's lock, one at a time.
PropertyResult gLastResult = PropertyResult::kDone;

PropertyResult BuiltInObjectResult(const PropertyRequest& request) {
  if (request.control != 0) return PropertyResult::kNoControl;
  return FindProperty(request.number) ? PropertyResult::kWrongKind : PropertyResult::kUnknown;
}

enum class Call : uint8_t { kSet, kGet };

void Trace(Call call, const PropertyRequest& request, PropertyResult result) {
  if (!rt::TraceLogEnabled()) return;
  const char* verb = call == Call::kSet ? "set" : "get";
  char number[16];
  std::snprintf(number, sizeof number, "%X", static_cast<unsigned>(request.number));
  std::string line = std::string("Property ") + verb + " " + (request.number ? number : request.selector) +
                     " control " + std::to_string(request.control) + ": " +
                     std::string(PropertyResultName(result));
  rt::WriteTraceLine(line);
}

// Every set is traced; a get only when it finds nothing.
PropertyResult Kept(Call call, const PropertyRequest& request, PropertyResult result) {
  gLastResult = result;
  if (call == Call::kSet || result != PropertyResult::kDone) Trace(call, request, result);
  return result;
}

PropertyResult SetWindowOrControl(Window& window, const PropertyRequest& request) {
  if (request.control == 0) {
    CheckedProperty checked = CheckPropertySet(request, kScopeWindow);
    if (checked.result != PropertyResult::kDone) return checked.result;
    return SetWindowProperty(window, checked, request);
  }
  Control* control = FindControl(window, request.control);
  return control ? SetControlProperty(*control, request) : PropertyResult::kNoControl;
}

PropertyResult GetWindowOrControl(Window& window, const PropertyRequest& request, PropertyAnswer& answer) {
  if (request.control == 0) {
    CheckedProperty checked = CheckPropertyGet(request, kScopeWindow);
    if (checked.result != PropertyResult::kDone) return checked.result;
    return GetWindowProperty(window, checked, answer);
  }
  const Control* control = FindControl(window, request.control);
  return control ? GetControlProperty(*control, request, answer) : PropertyResult::kNoControl;
}

}  // namespace

PropertyResult SetTargetProperty(const PropertyTarget& target, const PropertyRequest& request) {
  PropertyResult result = target.kind == TargetKind::kWindow ? SetWindowOrControl(*target.window, request)
                                                             : BuiltInObjectResult(request);
  return Kept(Call::kSet, request, result);
}

PropertyResult GetTargetProperty(const PropertyTarget& target, const PropertyRequest& request,
                                 PropertyAnswer& answer) {
  PropertyResult result = target.kind == TargetKind::kWindow ? GetWindowOrControl(*target.window, request, answer)
                                                             : BuiltInObjectResult(request);
  if (result != PropertyResult::kDone) answer = PropertyAnswer{};
  return Kept(Call::kGet, request, result);
}

PropertyResult LastPropertyResult() { return gLastResult; }

}  // namespace qor::win
