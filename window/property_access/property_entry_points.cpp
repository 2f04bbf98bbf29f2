// Property entry points over the value stack.
#include "window/property_access/property_entry_points.h"

#include <string_view>

#include "runtime/values/value_stack.h"
#include "runtime/values/value_stack_convert.h"
#include "window/property_access/property_dispatch.h"

namespace qor::win {
namespace {

std::string_view View(const rt::ValueEntry& entry) {
  rt::CountedText text = rt::TextOf(entry);
  return {text.text, static_cast<size_t>(text.length)};
}

// Pops the selector and builds the request from it.
PropertyRequest PopRequest(int32_t control, int32_t index) {
  rt::ValueEntry selector = rt::StrTakeTop();
  PropertyRequest request = MakePropertyRequest(control, View(selector), index);
  rt::ReleaseValueEntry(selector);
  return request;
}

void PushAnswer(const PropertyAnswer& answer) {
  if (answer.isText) rt::StrPushCopy(answer.text.data(), answer.text.size());
  else rt::StrPushLongText(static_cast<int32_t>(answer.integer));
}

}  // namespace

void SetPropertyInteger(int32_t control, int32_t index, intptr_t target) {
  rt::ValueEntry value = rt::StrTakeTop();
  PropertyRequest request = PopRequest(control, index);
  request.value.assign(View(value));
  rt::ReleaseValueEntry(value);
  SetTargetProperty(ResolvePropertyTarget(target), request);
}

void SetPropertyString(int32_t control, const char* value, int32_t length, int32_t index, intptr_t target) {
  PropertyRequest request = PopRequest(control, index);
  if (value && length > 0) request.value.assign(value, static_cast<size_t>(length));
  request.valueInBuffer = false;
  SetTargetProperty(ResolvePropertyTarget(target), request);
}

void GetProperty(int32_t control, int32_t index, intptr_t target) {
  PropertyRequest request = PopRequest(control, index);
  PropertyTarget resolved = ResolvePropertyTarget(target);
  PropertyAnswer answer;
  GetTargetProperty(resolved, request, answer);
  PushAnswer(answer);
}

}  // namespace qor::win
