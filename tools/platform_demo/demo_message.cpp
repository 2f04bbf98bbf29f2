#include "tools/platform_demo/demo_message.h"

#include "tools/platform_demo/demo_scale.h"
#include "tools/platform_demo/demo_window.h"
#include "window/platform/begin_paint.h"
#include "window/platform/brush.h"
#include "window/platform/default_proc.h"
#include "window/platform/focus.h"
#include "window/platform/keys.h"
#include "window/platform/message_loop.h"
#include "window/platform/messages.h"
#include "window/platform/system_colors.h"
#include "window/platform/window.h"
#include "window/platform/window_attributes.h"
#include "window/platform/window_class.h"
#include "window/platform/window_geometry.h"

namespace qor::tool {

using namespace ui;

namespace {

constexpr const char* kMessageClass = "QorDemoMessage";
constexpr uint32_t kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr int kClientWidth = 300;
constexpr int kClientHeight = 104;
constexpr intptr_t kOk = 1;
constexpr uint32_t kDefaultPushButton = 0x0001;
constexpr uint32_t kStaticLeft = 0x0000;

void CreateDialogControls(Hwnd dialog) {
  CreateParams text;
  text.className = "Static";
  text.title = "The platform layer drew this dialog, its icon and its button.";
  text.style = WS_CHILD | WS_VISIBLE | kStaticLeft;
  text.PlaceAt(Scaled(Rect{64, 18, 288, 54}));
  text.parent = dialog;
  CreateWindow(text);

  CreateParams ok;
  ok.className = "button";
  ok.title = "OK";
  ok.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | kDefaultPushButton;
  ok.PlaceAt(Scaled(Rect{110, 66, 190, 92}));
  ok.parent = dialog;
  ok.id = kOk;
  SetFocus(CreateWindow(ok));
}

LResult MessageProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LowWord(wParam) == kOk) DestroyWindow(hwnd);
      return 0;
    default:
      return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

// Enter and Escape close the dialog from whichever of its windows has the focus.
bool IsDialogKey(Hwnd dialog, const Msg& msg) {
  if (msg.message != WM_KEYDOWN || (msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE)) return false;
  if (msg.hwnd != dialog && !IsChild(dialog, msg.hwnd)) return false;
  DestroyWindow(dialog);
  return true;
}

}  // namespace

bool RegisterDemoMessageClass() {
  WindowClass dialog{kMessageClass, MessageProc};
  dialog.background = GetSysColorBrush(COLOR_BTNFACE);
  return GetClassInfo(kMessageClass) || RegisterClass(dialog);
}

Hwnd CreateDemoMessage(Hwnd owner) {
  Rect frame = FrameInsets(kDialogStyle);
  int width = Scaled(kClientWidth) + frame.left + frame.right;
  int height = Scaled(kClientHeight) + frame.top + frame.bottom;
  Rect over = GetWindowRect(owner);
  int left = over.left + (over.Width() - width) / 2;
  int top = over.top + (over.Height() - height) / 2;
  CreateParams params;
  params.className = kMessageClass;
  params.title = "Message";
  params.style = kDialogStyle;
  params.PlaceAt({left, top, left + width, top + height});
  params.parent = owner;
  Hwnd dialog = CreateWindow(params);
  if (!dialog) return dialog;
  ShowWindow(dialog, SW_SHOW);
  CreateDialogControls(dialog);
  return dialog;
}

void ShowDemoMessage(Hwnd owner) {
  Hwnd dialog = CreateDemoMessage(owner);
  if (!dialog) return;
  EnableWindow(owner, false);
  Msg msg;
  bool quit = false;
  while (IsWindow(dialog)) {
    if (!GetMessage(msg)) {
      quit = true;
      break;
    }
    if (IsDialogKey(dialog, msg)) continue;
    TranslateMessage(msg);
    DispatchMessage(msg);
  }
  EnableWindow(owner, true);
  SetActiveWindow(owner);
  if (IsWindow(dialog)) DestroyWindow(dialog);
  // The loop that runs the program still has to see the quit.
  if (quit) PostQuitMessage(static_cast<int>(static_cast<intptr_t>(msg.wParam)));
}

}  // namespace qor::tool
