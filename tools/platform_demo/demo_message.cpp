#include "tools/platform_demo/demo_message.h"

#include "tools/platform_demo/demo_window.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/styles.h"
#include "window/platform/dialogs/dialog.h"
#include "window/platform/draw/begin_paint.h"
#include "window/platform/resources/icon.h"
#include "window/platform/resources/stock_icons.h"
#include "window/platform/system_controls/button_control.h"
#include "window/platform/system_controls/static_control.h"

namespace qor::tool {

using namespace ui;

namespace {

// Where the icon goes, in dialog units.
constexpr Rect kIconPlace{10, 10, 30, 30};

DialogTemplate MessageTemplate() {
  DialogTemplate dialog;
  dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
  dialog.cx = 186;
  dialog.cy = 60;
  dialog.title = "Message";
  dialog.face = "MS Sans Serif";
  dialog.pointSize = 8;
  dialog.items = {
      DialogItem{kStaticClass, "The platform layer drew this dialog, its icon and its button.", -1,
                 WS_VISIBLE | SS_LEFT, 0, 40, 12, 136, 20},
      DialogItem{kButtonClass, "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 68, 38, 50, 14},
  };
  return dialog;
}

void PaintIcon(Hwnd dialog) {
  PaintStruct paint;
  Hdc dc = BeginPaint(dialog, &paint);
  Rect place = kIconPlace;
  MapDialogRect(dialog, &place);
  DrawIcon(dc, place.left, place.top, LoadIcon(nullptr, IDI_ASTERISK));
  EndPaint(dialog, &paint);
}

intptr_t MessageProc(Hwnd dialog, uint32_t message, WParam wParam, LParam) {
  switch (message) {
    case WM_INITDIALOG:
      return 1;  // the focus to the OK button
    case WM_PAINT:
      PaintIcon(dialog);
      return 1;
    case WM_COMMAND:
      if (LowWord(wParam) != IDOK && LowWord(wParam) != IDCANCEL) return 0;
      EndDialog(dialog, static_cast<intptr_t>(LowWord(wParam)));
      return 1;
    default:
      return 0;
  }
}

}  // namespace

intptr_t RunDemoMessage(Hwnd owner) {
  return DialogBoxIndirectParam(nullptr, MessageTemplate(), owner, MessageProc, 0);
}

}  // namespace qor::tool
