// The message box's dialog procedure: the default button takes the focus, the icon is
// painted by the dialog, and a command from a control of the dialog ends it with that
// control's id (so Escape ends it only when there is a Cancel button).
#include "window/message_box/detail/box_dialog.h"

#include "window/message_box/box_window_services.h"
#include "window/platform/draw/begin_paint.h"
#include "window/platform/dialogs/dialog.h"
#include "window/platform/core/focus.h"
#include "window/platform/resources/icon.h"
#include "window/platform/core/messages.h"
#include "os/global_lock.h"
#include "window/platform/core/properties.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"

namespace qor::win::detail {
namespace {

constexpr const char* kRunProperty = "QorMessageBox";

const BoxDialogRun* RunOf(ui::Hwnd dialog) {
  return reinterpret_cast<const BoxDialogRun*>(ui::GetProp(dialog, kRunProperty));
}

void PaintIcon(ui::Hwnd dialog, const BoxDialogRun& run) {
  ui::PaintStruct paint;
  ui::Hdc dc = ui::BeginPaint(dialog, &paint);
  ui::Rect place = run.iconPlace;
  ui::MapDialogRect(dialog, &place);
  ui::DrawIcon(dc, place.left, place.top, run.icon);
  ui::EndPaint(dialog, &paint);
}

intptr_t BoxProc(ui::Hwnd dialog, uint32_t message, ui::WParam wParam, ui::LParam lParam) {
  switch (message) {
    case ui::WM_INITDIALOG: {
      const auto* run = reinterpret_cast<const BoxDialogRun*>(lParam);
      ui::SetProp(dialog, kRunProperty, reinterpret_cast<uintptr_t>(run));
      ui::SetFocus(ui::GetDlgItem(dialog, run->defaultId));
      return 0;
    }
    case ui::WM_PAINT: {
      const BoxDialogRun* run = RunOf(dialog);
      if (!run || run->icon == ui::IconHandle::None) return 0;
      PaintIcon(dialog, *run);
      return 1;
    }
    case ui::WM_COMMAND: {
      intptr_t id = ui::LowWord(wParam);
      if (ui::GetDlgItem(dialog, id)) ui::EndDialog(dialog, id);
      return 1;
    }
    case ui::WM_NCDESTROY:
      ui::RemoveProp(dialog, kRunProperty);
      return 0;
    default:
      return 0;
  }
}

bool OverlapsScreen(const ui::Rect& r) {
  ui::Size screen = ui::ScreenSize();
  return r.right > 0 && r.bottom > 0 && r.left < screen.cx && r.top < screen.cy;
}

// The frame when it is shown, else the owner when it is on the screen, else the screen.
ui::Rect CentringReference(ui::Hwnd owner) {
  ui::Hwnd frame = BoxFrameWindow();
  if (frame && ui::IsWindowVisible(frame)) return ui::GetWindowRect(frame);
  if (owner && OverlapsScreen(ui::GetWindowRect(owner))) return ui::GetWindowRect(owner);
  ui::Size screen = ui::ScreenSize();
  return {0, 0, screen.cx, screen.cy};
}

}  // namespace

intptr_t RunBoxDialog(const BoxDialogRun& run, ui::Hwnd owner) {
  ui::Rect reference = CentringReference(owner);
  os::GlobalLockYield unlocked;
  return ui::DialogBoxIndirectParam(nullptr, run.dialog, owner, BoxProc, reinterpret_cast<ui::LParam>(&run),
                                    &reference);
}

}  // namespace qor::win::detail
