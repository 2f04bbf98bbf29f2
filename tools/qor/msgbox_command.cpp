// qor msgbox [--layout] TEXT TITLE ICON BUTTONS DEFAULT [STEP...]
// Runs the message statement on a 1024 x 768 headless host. ICON is "", stock:N or a
// name; each STEP runs 10 ms after the one before: Enter, Escape, Tab, shift+Tab, Space,
// a character, alt+character, click:N (the button with id N). Prints the result, or with
// --layout the row of buttons as "ID:TEXT|ID:TEXT..." and "default=ID" (the box is then
// closed without an answer).
#include <cctype>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/qor/command.h"
#include "window/message_box/box_window_services.h"
#include "window/message_box/message_statement.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/input.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/dialogs/dialog.h"
#include "window/platform/hosts/headless_host.h"
#include "window/platform/system_controls/button_control.h"
#include "window/platform/system_controls/system_classes.h"

namespace qor::tool {
namespace {

using namespace ui;

int MsgBox(std::span<const std::string_view> args);
const QorCommand kMsgBox("msgbox", "msgbox [--layout] TEXT TITLE ICON BUTTONS DEFAULT [STEP...]",
                         "runs the message statement on a headless screen, answered by the steps", MsgBox);

std::string Row() {
  Hwnd box = GetActiveWindow();
  std::string row;
  std::string defaultId;
  std::vector<Hwnd> children = GetChildren(box);
  auto key = [](Hwnd c) { return std::make_pair(GetClassName(c) == kButtonClass, GetWindowPlacement(c).left); };
  std::stable_sort(children.begin(), children.end(), [&](Hwnd a, Hwnd b) { return key(a) < key(b); });
  for (auto it = children.begin(); it != children.end(); ++it) {
    if (GetClassName(*it) != kButtonClass) continue;
    std::string id = std::to_string(GetDlgCtrlID(*it));
    row += (row.empty() ? "" : "|") + id + ":" + GetWindowText(*it);
    if ((GetWindowStyle(*it) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) defaultId = id;
  }
  return row + " default=" + defaultId;
}

void PressWith(HeadlessHost& host, uint32_t modifier, uint32_t key) {
  HostKey(modifier, true, 0);
  host.Press(key);
}

// The key a step names; 0 for none.
uint32_t KeyOf(std::string_view name) {
  if (name == "Enter") return VK_RETURN;
  if (name == "Escape") return VK_ESCAPE;
  if (name == "Tab") return VK_TAB;
  if (name == "Space") return VK_SPACE;
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
    return static_cast<uint32_t>(std::toupper(static_cast<unsigned char>(name[0])));
  return 0;
}

// Schedules a step; false when it is not one.
bool Schedule(HeadlessHost& host, uint64_t at, std::string_view step) {
  if (step.starts_with("click:")) {
    long long id = 0;
    if (!ParseInt64(step.substr(6), id)) return false;
    host.Schedule(at, [&host, id] {
      if (Hwnd button = GetDlgItem(GetActiveWindow(), static_cast<intptr_t>(id))) host.Click(button, {2, 2});
    });
    return true;
  }
  uint32_t modifier = step.starts_with("shift+") ? VK_SHIFT : step.starts_with("alt+") ? VK_MENU : 0;
  uint32_t key = KeyOf(modifier == VK_SHIFT ? step.substr(6) : modifier ? step.substr(4) : step);
  if (!key) return false;
  host.Schedule(at, [&host, modifier, key] {
    if (modifier) return PressWith(host, modifier, key);
    host.Press(key);
  });
  if (modifier) host.Schedule(at + 5, [modifier] { HostKey(modifier, false, 0); });
  return true;
}

std::string IconName(std::string_view icon) {
  long long id = 0;
  if (icon.starts_with("stock:") && ParseInt64(icon.substr(6), id) && id >= 0 && id < 0xFFFF) {
    return win::StockIconName(static_cast<uint16_t>(id));
  }
  return std::string(icon);
}

int MsgBox(std::span<const std::string_view> args) {
  bool layout = !args.empty() && args[0] == "--layout";
  if (layout) args = args.subspan(1);
  long long defaultButton = 0;
  if (args.size() < 5 || !ParseInt64(args[4], defaultButton)) return UsageError("msgbox needs five operands", &kMsgBox);
  HeadlessHost host;
  host.SetScreenSize({1024, 768});
  RegisterSystemClasses();
  std::string row;
  uint64_t at = 10;
  if (layout) {
    host.Schedule(at, [&row] {
      row = Row();
      EndDialog(GetActiveWindow(), 0);
    });
  }
  for (std::string_view step : args.subspan(5)) {
    if (!Schedule(host, at += 10, step)) return UsageError("unknown step " + std::string(step), &kMsgBox);
  }
  win::MessageArguments a{std::string(args[0]), std::string(args[1]),         IconName(args[2]),
                          std::string(args[3]), static_cast<int32_t>(defaultButton), 0};
  int32_t result = win::Message(a);
  if (layout) {
    std::printf("%s\n", row.c_str());
  } else {
    std::printf("%d\n", result);
  }
  return 0;
}

}  // namespace
}  // namespace qor::tool
