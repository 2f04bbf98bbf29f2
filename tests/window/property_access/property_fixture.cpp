#include "tests/window/property_access/property_fixture.h"

#include "os/module.h"
#include "resources/messages/error_messages.h"
#include "runtime/values/value_stack.h"
#include "runtime/values/value_stack_convert.h"
#include "window/definition/layout.h"
#include "window/property_access/property_dispatch.h"
#include "window/property_access/property_entry_points.h"
#include "window/property_access/property_target.h"
#include "window/windows/window_lifecycle.h"

namespace qor::win::testing {
namespace {

ControlRecord Prompt(int32_t number, std::string text) {
  ControlRecord control;
  control.type = layout::kTypePrompt;
  control.number = number;
  control.at = {4, 40, 30, 8};
  control.text = std::move(text);
  return control;
}

ControlRecord Group(int32_t number, std::vector<ControlRecord> children) {
  ControlRecord control;
  control.type = layout::kTypeGroup;
  control.number = number;
  control.at = {2, 2, 190, 50};
  control.text = "Group";
  control.children = std::move(children);
  return control;
}

void PushSelector(int32_t number) {
  std::string digits = std::to_string(number);
  rt::StrPushCopy(digits.data(), digits.size());
}

}  // namespace

void PropertyTest::SetUp() {
  WindowRuntimeTest::SetUp();
  while (rt::StrCount() > 0) rt::StrDiscard();
}

void PropertyDeathTest::SetUp() {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  PropertyTest::SetUp();
  res::RegisterErrorMessages(os::ExecutableModule());
}

Window* PropertyTest::OpenSample() {
  WindowRecord record = SmallWindow("PROPS$WINDOW", {Button(1), Prompt(2, "Name:"),
                                                     Group(3, {Button(4), Group(5, {Prompt(6, "Inner")})})});
  window = PrepareSmall(record);
  OpenWindow(window);
  return window;
}

std::string PropertyTest::Get(int32_t control, int32_t number, int32_t index, intptr_t target) {
  PushSelector(number);
  GetProperty(control, index, target);
  return rt::StrPopString();
}

std::string PropertyTest::GetNamed(int32_t control, std::string_view selector, int32_t index) {
  rt::StrPushCopy(selector.data(), selector.size());
  GetProperty(control, index, kTargetWindow);
  return rt::StrPopString();
}

PropertyResult PropertyTest::Set(int32_t control, int32_t number, std::string_view value, int32_t index,
                                 intptr_t target) {
  PushSelector(number);
  rt::StrPushCopy(value.data(), value.size());
  SetPropertyInteger(control, index, target);
  return LastPropertyResult();
}

PropertyResult PropertyTest::SetNamed(int32_t control, std::string_view selector, std::string_view value) {
  rt::StrPushCopy(selector.data(), selector.size());
  rt::StrPushCopy(value.data(), value.size());
  SetPropertyInteger(control, 0, kTargetWindow);
  return LastPropertyResult();
}

PropertyResult PropertyTest::SetString(int32_t control, int32_t number, std::string_view value) {
  PushSelector(number);
  SetPropertyString(control, value.data(), static_cast<int32_t>(value.size()), 0, kTargetWindow);
  return LastPropertyResult();
}

}  // namespace qor::win::testing
