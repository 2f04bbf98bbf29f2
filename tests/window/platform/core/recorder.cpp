#include "tests/window/platform/core/recorder.h"

#include <algorithm>

#include "window/platform/core/focus.h"
#include "window/platform/core/input.h"
#include "window/platform/dialogs/dialog.h"
#include "window/platform/system_controls/button_control.h"

namespace qor::ui::testing {

namespace {

struct Named {
  uint32_t message;
  const char* name;
};

constexpr Named kNames[] = {
    {WM_CREATE, "WM_CREATE"},         {WM_DESTROY, "WM_DESTROY"},       {WM_MOVE, "WM_MOVE"},
    {WM_SIZE, "WM_SIZE"},             {WM_ACTIVATE, "WM_ACTIVATE"},     {WM_SETFOCUS, "WM_SETFOCUS"},
    {WM_KILLFOCUS, "WM_KILLFOCUS"},   {WM_ENABLE, "WM_ENABLE"},         {WM_SETTEXT, "WM_SETTEXT"},
    {WM_GETTEXT, "WM_GETTEXT"},       {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"}, {WM_PAINT, "WM_PAINT"},
    {WM_CLOSE, "WM_CLOSE"},           {WM_QUERYENDSESSION, "WM_QUERYENDSESSION"}, {WM_QUIT, "WM_QUIT"},
    {WM_ENDSESSION, "WM_ENDSESSION"}, {WM_SHOWWINDOW, "WM_SHOWWINDOW"}, {WM_NCDESTROY, "WM_NCDESTROY"},
    {WM_KEYDOWN, "WM_KEYDOWN"},       {WM_KEYUP, "WM_KEYUP"},           {WM_CHAR, "WM_CHAR"},
    {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"}, {WM_SYSKEYUP, "WM_SYSKEYUP"},     {WM_SYSCHAR, "WM_SYSCHAR"},
    {WM_COMMAND, "WM_COMMAND"},       {WM_SYSCOMMAND, "WM_SYSCOMMAND"}, {WM_TIMER, "WM_TIMER"},
    {WM_MOUSEMOVE, "WM_MOUSEMOVE"},   {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"}, {WM_LBUTTONUP, "WM_LBUTTONUP"},
    {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"}, {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"}, {WM_RBUTTONUP, "WM_RBUTTONUP"},
    {WM_RBUTTONDBLCLK, "WM_RBUTTONDBLCLK"}, {WM_MBUTTONDOWN, "WM_MBUTTONDOWN"}, {WM_MBUTTONUP, "WM_MBUTTONUP"},
    {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"}, {WM_ERASEBKGND, "WM_ERASEBKGND"},
    {WM_NOTIFY, "WM_NOTIFY"},         {WM_GETDLGCODE, "WM_GETDLGCODE"}, {WM_SETFONT, "WM_SETFONT"},
    {WM_CTLCOLORSTATIC, "WM_CTLCOLORSTATIC"}, {WM_CTLCOLORBTN, "WM_CTLCOLORBTN"},
    {WM_CTLCOLOREDIT, "WM_CTLCOLOREDIT"},
    {BM_GETSTATE, "BM_GETSTATE"},     {BM_SETSTATE, "BM_SETSTATE"},     {BM_SETSTYLE, "BM_SETSTYLE"},
    {BM_CLICK, "BM_CLICK"},           {WM_INITDIALOG, "WM_INITDIALOG"},
};

bool IsMouse(uint32_t m) { return m >= WM_MOUSEMOVE && m <= WM_MBUTTONDBLCLK; }

}  // namespace

std::string MessageName(uint32_t message) {
  for (const Named& n : kNames) {
    if (n.message == message) return n.name;
  }
  if (message == WM_USER) return "WM_USER";
  if (message > WM_USER) return "WM_USER+" + std::to_string(message - WM_USER);
  return "0x" + std::to_string(message);
}

std::string MessageLog::NameOf(Hwnd hwnd) const {
  if (!hwnd) return "0";
  auto found = names_.find(hwnd.value);
  return found == names_.end() ? "#" + std::to_string(hwnd.value) : found->second;
}

void MessageLog::Record(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  // A window is named after its title, from its first message on.
  if (message == WM_CREATE) Name(hwnd, reinterpret_cast<const CreateParams*>(lParam)->title);
  if (std::find(ignored_.begin(), ignored_.end(), message) != ignored_.end()) return;
  std::string entry = NameOf(hwnd) + " " + MessageName(message);
  switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      entry += " " + NameOf(Hwnd::FromParam(wParam));
      break;
    case WM_ACTIVATE:
      entry += " " + std::to_string(wParam) + " " + NameOf(Hwnd::FromParam(static_cast<uintptr_t>(lParam)));
      break;
    case WM_CAPTURECHANGED:
      entry += " " + NameOf(Hwnd::FromParam(static_cast<uintptr_t>(lParam)));
      break;
    case WM_SIZE:
    case WM_MOVE:
      entry += " " + std::to_string(LowWordSigned(lParam)) + "," + std::to_string(HighWordSigned(lParam));
      break;
    case WM_COMMAND:
      entry += " " + std::to_string(LowWord(wParam)) + " " + std::to_string(HighWord(wParam)) + " " +
               NameOf(Hwnd::FromParam(static_cast<uintptr_t>(lParam)));
      break;
    case WM_NOTIFY:
      entry += " " + std::to_string(static_cast<int32_t>(reinterpret_cast<const NotifyHeader*>(lParam)->code));
      break;
    case WM_SHOWWINDOW:
    case WM_ENABLE:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_TIMER:
    case WM_ENDSESSION:
      entry += " " + std::to_string(wParam);
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
      entry += " " + std::to_string(wParam);
      break;
    case WM_CHAR:
    case WM_SYSCHAR:
      entry += " '" + std::string(1, static_cast<char>(wParam)) + "'";
      break;
    case WM_SETTEXT:
      entry += std::string(" \"") + reinterpret_cast<const char*>(lParam) + "\"";
      break;
    default:
      if (IsMouse(message)) {
        entry += " " + std::to_string(wParam) + " " + std::to_string(LowWordSigned(lParam)) + "," +
                 std::to_string(HighWordSigned(lParam));
      }
  }
  entries_.push_back(entry);
}

std::vector<std::string> MessageLog::Take() {
  std::vector<std::string> taken;
  taken.swap(entries_);
  return taken;
}

MessageLog& Log() {
  static MessageLog log;
  return log;
}

LResult RecorderProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  Log().Record(hwnd, message, wParam, lParam);
  if (Log().react) {
    if (std::optional<LResult> result = Log().react(hwnd, message, wParam, lParam)) return *result;
  }
  return DefWindowProc(hwnd, message, wParam, lParam);
}

void PlatformTest::SetUp() {
  Log() = MessageLog{};
  Log().Ignore(WM_GETTEXT);
  Log().Ignore(WM_GETTEXTLENGTH);
  Log().Ignore(WM_ERASEBKGND);  // part of every WM_PAINT; the drawing tests look at it
  ASSERT_TRUE(RegisterClass(WindowClass{kRecorderClass, RecorderProc}));
  ASSERT_TRUE(RegisterClass(WindowClass{kDoubleClickClass, RecorderProc, CS_DBLCLKS}));
}

void PlatformTest::TearDown() {
  Log().react = nullptr;
  ReleaseCapture();
  for (Hwnd top : GetChildren(Hwnd{})) DestroyWindow(top);
  // Keys a test left down must not leak into the next one.
  for (uint32_t key = 1; key < 256; ++key) {
    if (GetKeyState(key) < 0) HostKey(key, false, 0);
  }
  host.Pump();
  EXPECT_TRUE(UnregisterClass(kRecorderClass));
  EXPECT_TRUE(UnregisterClass(kDoubleClickClass));
  Msg leftover;
  while (PeekMessage(leftover)) {
  }
}

Hwnd PlatformTest::Make(const std::string& name, uint32_t style, Hwnd parent, Rect at, const char* className,
                        intptr_t id) {
  return CreateWindow(className, name, style, at, parent, id);
}

}  // namespace qor::ui::testing
