// What the dialog keys know of the window whose children they move among, and the
// default-button look that follows the focus there.
#include "window/platform/dialogs/default_button.h"

#include <algorithm>

#include "window/platform/core/focus.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/properties.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/dialogs/detail/dialog_state.h"
#include "window/platform/dialogs/detail/keyboard_parent.h"
#include "window/platform/dialogs/dialog.h"
#include "window/platform/system_controls/button_control.h"

namespace qor::ui {

namespace {

// Window properties of a window using the dialog keys (not of a dialog, which keeps its
// own record).
constexpr const char* kUsesKeys = "qor.DialogKeys";
constexpr const char* kDefaultId = "qor.DefaultId";

constexpr uint32_t kPushButton = DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON;

bool IsDialog(Hwnd parent) { return detail::FindDialog(parent).has_value(); }

// The first child that is a default push button now, remembered.
std::optional<intptr_t> FindDefaultChild(Hwnd parent) {
  for (Hwnd control : detail::ControlsInOrder(parent)) {
    if (detail::DialogCode(control, nullptr) & DLGC_DEFPUSHBUTTON) return GetDlgCtrlID(control);
  }
  return std::nullopt;
}

// The button the default look belongs on when the focus is on `focus`.
Hwnd LookOwner(Hwnd parent, Hwnd focus) {
  if (focus && (detail::DialogCode(focus, nullptr) & kPushButton)) return focus;
  std::optional<intptr_t> id = detail::DefaultIdOf(parent);
  return id ? GetDlgItem(parent, *id) : Hwnd{};
}

void GiveDefaultLook(Hwnd parent, Hwnd owner) {
  for (Hwnd control : detail::ControlsInOrder(parent)) {
    uint32_t code = detail::DialogCode(control, nullptr);
    if (!(code & kPushButton)) continue;
    bool wanted = control == owner;
    if (wanted != ((code & DLGC_DEFPUSHBUTTON) != 0)) {
      SendMessage(control, BM_SETSTYLE, wanted ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, 1);
    }
  }
}

}  // namespace

namespace detail {

uint32_t DialogCode(Hwnd control, const Msg* msg) {
  if (!control) return 0;
  return static_cast<uint32_t>(
      SendMessage(control, WM_GETDLGCODE, msg ? msg->wParam : 0, reinterpret_cast<LParam>(msg)));
}

std::vector<Hwnd> ControlsInOrder(Hwnd parent) {
  std::vector<Hwnd> children = GetChildren(parent);
  // Handles count up and are never reused: their order is the order of creation.
  std::sort(children.begin(), children.end(), [](Hwnd a, Hwnd b) { return a.value < b.value; });
  return children;
}

std::optional<intptr_t> DefaultIdOf(Hwnd parent) {
  if (IsDialog(parent)) {
    return static_cast<intptr_t>(LowWord(static_cast<uintptr_t>(SendMessage(parent, DM_GETDEFID, 0, 0))));
  }
  if (std::optional<uintptr_t> stored = FindProp(parent, kDefaultId)) {
    if (*stored == 0) return std::nullopt;  // asked before: there is none
    return static_cast<intptr_t>(*stored - 1);
  }
  std::optional<intptr_t> found = FindDefaultChild(parent);
  SetProp(parent, kDefaultId, found ? static_cast<uintptr_t>(*found) + 1 : 0);
  return found;
}

// The default button is found as the window starts using the keys, before the look has
// moved anywhere.
void UseDialogKeys(Hwnd parent) {
  if (IsDialog(parent) || FindProp(parent, kUsesKeys)) return;
  SetProp(parent, kUsesKeys, 1);
  DefaultIdOf(parent);
}

bool UsesDialogKeys(Hwnd parent) { return IsDialog(parent) || FindProp(parent, kUsesKeys).has_value(); }

}  // namespace detail

void FollowFocusWithDefaultLook(Hwnd /*lost*/, Hwnd gained) {
  Hwnd parent = gained ? GetParent(gained) : Hwnd{};
  if (!parent || !detail::UsesDialogKeys(parent)) return;
  GiveDefaultLook(parent, LookOwner(parent, gained));
}

void SetDefaultId(Hwnd parent, intptr_t id) {
  if (IsDialog(parent)) {
    SendMessage(parent, DM_SETDEFID, static_cast<WParam>(id), 0);
  } else {
    SetProp(parent, kDefaultId, static_cast<uintptr_t>(id) + 1);
  }
  Hwnd focus = GetFocus();
  GiveDefaultLook(parent, LookOwner(parent, focus && GetParent(focus) == parent ? focus : Hwnd{}));
}

std::optional<intptr_t> GetDefaultId(Hwnd parent) { return detail::DefaultIdOf(parent); }

}  // namespace qor::ui
