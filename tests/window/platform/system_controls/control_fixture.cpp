#include "tests/window/platform/system_controls/control_fixture.h"

#include <unordered_map>

#include "tests/window/platform/draw/canvas_check.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/draw/window_canvas.h"

namespace qor::ui::testing {

namespace {

std::unordered_map<uint32_t, WindowProc>& ControlProcs() {
  static std::unordered_map<uint32_t, WindowProc> procs;
  return procs;
}

LResult LoggingProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  Log().Record(hwnd, message, wParam, lParam);
  return CallWindowProc(ControlProcs()[hwnd.value], hwnd, message, wParam, lParam);
}

}  // namespace

void ControlTest::SetUp() {
  PlatformTest::SetUp();
  Log().Ignore(WM_PAINT);
  Log().Ignore(WM_CTLCOLORSTATIC);
  Log().Ignore(WM_CTLCOLOREDIT);
  main = Make("main", WS_POPUP | WS_VISIBLE, Hwnd{}, {100, 100, 400, 300});
  host.Pump();
  Log().Take();
}

Hwnd ControlTest::MakeControl(const char* className, const std::string& name, uint32_t style, Rect at,
                              intptr_t id) {
  Hwnd control = Make(name, WS_CHILD | WS_VISIBLE | style, main, at, className, id);
  if (!control) return control;
  Log().Name(control, name);
  ControlProcs()[control.value] = SetWindowProc(control, LoggingProc);
  host.Pump();
  Log().Take();
  return control;
}

ColorRef ControlTest::PixelOf(Hwnd control, int x, int y) {
  Point origin = ClientOriginOnCanvas(control);
  return ColorFromPixel(WindowCanvas(control)->At(origin.x + x, origin.y + y));
}

Rect ControlTest::InkIn(Hwnd control, Rect area, ColorRef background) {
  Point origin = ClientOriginOnCanvas(control);
  Rect ink = InkBounds(*WindowCanvas(control), area.Offset(origin.x, origin.y), background);
  return ink.IsEmpty() ? Rect{} : ink.Offset(-origin.x, -origin.y);
}

}  // namespace qor::ui::testing
