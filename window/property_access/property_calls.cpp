// Property calls by number for C++ callers.
#include "window/property_access/property_calls.h"

#include <charconv>

#include "window/properties/property_numbers.h"
#include "window/properties/property_request.h"
#include "window/property_access/property_dispatch.h"
#include "window/property_access/property_target.h"

namespace qor::win {
namespace {

PropertyRequest RequestFor(int32_t control, int32_t number) {
  PropertyRequest request;
  request.control = control;
  request.number = number >= prop::kFirstNumbered ? number : 0;
  return request;
}

PropertyRequest RequestFor(int32_t control, int32_t number, int32_t index) {
  PropertyRequest request = RequestFor(control, number);
  ApplyIndexRule(request, index);
  return request;
}

PropertyAnswer Read(const PropertyTarget& target, int32_t control, int32_t number, int32_t index = 0) {
  PropertyAnswer answer;
  GetTargetProperty(target, RequestFor(control, number, index), answer);
  return answer;
}

int64_t AsInteger(const PropertyAnswer& answer) {
  if (!answer.isText) return answer.integer;
  int64_t value = 0;
  return PropertyInteger(answer.text, value) ? value : 0;
}

PropertyResult Write(const PropertyTarget& target, int32_t control, int32_t number, std::string_view value,
                     int32_t index = 0) {
  PropertyRequest request = RequestFor(control, number, index);
  request.value.assign(value);
  return SetTargetProperty(target, request);
}

std::string IntegerText(int64_t value) {
  char digits[24];
  return std::string(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

}  // namespace

PropertyAnswer ReadProperty(Window& window, int32_t control, int32_t number) {
  return Read(WindowTarget(window), control, number);
}
int64_t ReadPropertyInteger(Window& window, int32_t control, int32_t number) {
  return AsInteger(ReadProperty(window, control, number));
}
std::string ReadPropertyText(Window& window, int32_t control, int32_t number) {
  return ReadProperty(window, control, number).AsText();
}
PropertyResult WriteProperty(Window& window, int32_t control, int32_t number, int64_t value) {
  return Write(WindowTarget(window), control, number, IntegerText(value));
}
PropertyResult WriteProperty(Window& window, int32_t control, int32_t number, std::string_view value) {
  return Write(WindowTarget(window), control, number, value);
}

int64_t ReadPropertyInteger(int32_t control, int32_t number) {
  return AsInteger(Read(ResolvePropertyTarget(kTargetWindow), control, number));
}
std::string ReadPropertyText(int32_t control, int32_t number) {
  return Read(ResolvePropertyTarget(kTargetWindow), control, number).AsText();
}
PropertyResult WriteProperty(int32_t control, int32_t number, int64_t value) {
  return Write(ResolvePropertyTarget(kTargetWindow), control, number, IntegerText(value));
}
PropertyResult WriteProperty(int32_t control, int32_t number, std::string_view value) {
  return Write(ResolvePropertyTarget(kTargetWindow), control, number, value);
}

int64_t ReadPropertyInteger(int32_t control, int32_t number, int32_t index) {
  return AsInteger(Read(ResolvePropertyTarget(kTargetWindow), control, number, index));
}
PropertyResult WriteProperty(int32_t control, int32_t number, int32_t index, int64_t value) {
  return Write(ResolvePropertyTarget(kTargetWindow), control, number, IntegerText(value), index);
}

}  // namespace qor::win
