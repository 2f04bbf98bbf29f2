#include "tools/platform_demo/demo_window.h"

#include "tools/platform_demo/demo_message.h"
#include "tools/platform_demo/demo_scale.h"
#include "tools/platform_demo/turned_text.h"
#include "window/platform/core/input.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_class.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/draw/brush.h"
#include "window/platform/draw/system_colors.h"
#include "window/platform/system_controls/button_control.h"
#include "window/platform/system_controls/static_control.h"

namespace qor::tool {

using namespace ui;

namespace {

constexpr const char* kMainClass = "QorPlatformDemo";
constexpr int kClientWidth = 440;
constexpr int kClientHeight = 250;
constexpr uint32_t kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

struct Child {
  const char* className;
  const char* text;
  uint32_t style;
  Rect at;
  intptr_t id;
};

constexpr Child kChildren[] = {
    {kButtonClass, "Actions", BS_GROUPBOX, {12, 8, 164, 150}, 0},
    {kButtonClass, "&Message...", BS_DEFPUSHBUTTON | WS_TABSTOP, {26, 32, 150, 58}, kMessageButton},
    {kButtonClass, "&Beep", BS_PUSHBUTTON | WS_TABSTOP, {26, 68, 150, 94}, kBeepButton},
    {kButtonClass, "&Close", BS_PUSHBUTTON | WS_TABSTOP, {26, 104, 150, 130}, kCloseButton},
    {kButtonClass, "Static texts", BS_GROUPBOX, {176, 8, 396, 150}, 0},
    {kStaticClass, "Left-aligned text", SS_LEFT, {188, 30, 384, 48}, 0},
    {kStaticClass, "Centred text", SS_CENTER, {188, 52, 384, 70}, 0},
    {kStaticClass, "Right-aligned text", SS_RIGHT, {188, 74, 384, 92}, 0},
    {kStaticClass, "A longer text is broken into lines at the spaces between its words.", SS_LEFT,
     {188, 100, 384, 140}, 0},
    {kStaticClass, "Drawn by the platform layer: fonts, frames, edges and text, in software.", SS_CENTER,
     {12, 170, 396, 206}, 0},
    {kStaticClass, "Press &Message... for a dialog, or Alt+F4 to close.", SS_LEFT, {12, 220, 396, 238}, 0},
};

LResult MainProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  switch (message) {
    case WM_COMMAND:
      switch (LowWord(wParam)) {
        case kMessageButton: RunDemoMessage(hwnd); return 0;
        case kBeepButton: MessageBeep(); return 0;
        case kCloseButton: DestroyWindow(hwnd); return 0;
        default: return 0;
      }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProc(hwnd, message, wParam, lParam);
  }
}

void CreateChildren(Hwnd main) {
  for (const Child& child : kChildren) {
    CreateWindow(child.className, child.text, WS_CHILD | WS_VISIBLE | child.style, Scaled(child.at), main, child.id);
  }
  CreateTurnedText(main, "Turned 90 degrees", Scaled(Rect{408, 8, 432, 238}));
}

}  // namespace

bool RegisterDemoClasses() {
  WindowClass main{kMainClass, MainProc};
  main.background = GetSysColorBrush(COLOR_BTNFACE);
  return (GetClassInfo(kMainClass) || RegisterClass(main)) && RegisterTurnedTextClass();
}

Hwnd CreateDemoWindow() {
  Rect frame = FrameInsets(kMainStyle);
  int width = Scaled(kClientWidth) + frame.left + frame.right;
  int height = Scaled(kClientHeight) + frame.top + frame.bottom;
  Size screen = ScreenSize();
  CreateParams params;
  params.className = kMainClass;
  params.title = "Platform demo";
  params.style = kMainStyle;
  int left = (screen.cx - width) / 2;
  int top = (screen.cy - height) / 2;
  params.PlaceAt({left, top, left + width, top + height});
  Hwnd main = CreateWindow(params);
  if (!main) return main;
  CreateChildren(main);
  ShowWindow(main, SW_SHOW);
  return main;
}

}  // namespace qor::tool
