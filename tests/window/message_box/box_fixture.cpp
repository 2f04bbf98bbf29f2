#include "tests/window/message_box/box_fixture.h"

#include <algorithm>

#include "runtime/base/message_text.h"
#include "runtime/base/flags.h"
#include "window/platform/system_controls/button_control.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/input.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/styles.h"
#include "window/platform/system_controls/system_classes.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window_geometry.h"

namespace qor::win::testing {

using namespace ui;

std::string ShownBox::Row() const {
  std::string row;
  for (const ShownControl& c : controls) {
    if (c.kind != "button") continue;
    if (!row.empty()) row += "|";
    row += std::to_string(c.id) + ":" + c.text;
  }
  return row;
}

std::string ShownBox::DefaultLook() const {
  std::string looks;
  for (const ShownControl& c : controls)
    if (c.looksDefault) looks += (looks.empty() ? "" : ",") + c.text;
  return looks;
}

const ShownControl* ShownBox::Find(intptr_t id) const {
  for (const ShownControl& c : controls)
    if (c.id == id) return &c;
  return nullptr;
}

void BoxTest::SetUp() { ASSERT_TRUE(RegisterSystemClasses()); }

void BoxTest::TearDown() {
  for (Hwnd top : GetChildren(Hwnd{})) DestroyWindow(top);
  for (uint32_t key = 1; key < 256; ++key)
    if (GetKeyState(key) < 0) HostKey(key, false, 0);
  host.Pump();
  Msg leftover;
  while (PeekMessage(leftover)) {
  }
  rt::ClearMessageOverrides();
  rt::SetRuntimeFlagWord(0);
}

void BoxTest::Then(std::function<void()> step) {
  next_ += 10;
  host.Schedule(next_, std::move(step));
}

// The modifier stays down until the key's messages have been handled.
void BoxTest::ThenWith(uint32_t modifier, uint32_t key) {
  Then([this, modifier, key] {
    HostKey(modifier, true, 0);
    host.Press(key);
  });
  Then([modifier] { HostKey(modifier, false, 0); });
}

void BoxTest::ThenClick(intptr_t id) {
  Then([this, id] {
    Hwnd button = GetDlgItem(GetActiveWindow(), id);
    ASSERT_TRUE(button) << "no control " << id;
    host.Click(button, {3, 3});
  });
}

void BoxTest::ThenLook(ShownBox& into) {
  Then([&into] { into = Look(); });
}

// The box's controls as its template lists them: the statics, then the buttons from
// left to right.
std::vector<Hwnd> InTemplateOrder(std::vector<Hwnd> children) {
  auto key = [](Hwnd c) { return std::make_pair(GetClassName(c) == kButtonClass, GetWindowPlacement(c).left); };
  std::stable_sort(children.begin(), children.end(), [&](Hwnd a, Hwnd b) { return key(a) < key(b); });
  return children;
}

ShownBox BoxTest::Look() {
  ShownBox box;
  Hwnd dialog = GetActiveWindow();
  box.title = GetWindowText(dialog);
  box.window = GetWindowRect(dialog);
  box.client = GetClientRect(dialog);
  Hwnd focus = GetFocus();
  for (Hwnd child : InTemplateOrder(GetChildren(dialog))) {
    ShownControl c;
    std::string cls = GetClassName(child);
    c.kind = cls == kButtonClass ? "button" : "static";
    c.id = GetDlgCtrlID(child);
    c.text = GetWindowText(child);
    c.place = GetWindowPlacement(child);
    c.looksDefault = c.kind == "button" && (GetWindowStyle(child) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    if (child == focus) box.focus = c.text;
    box.controls.push_back(c);
  }
  return box;
}

}  // namespace qor::win::testing
