#include "window/platform/system_controls/tooltip_control.h"

#include <algorithm>
#include <string>
#include <vector>

#include "window/platform/core/focus.h"
#include "window/platform/core/input.h"
#include "window/platform/core/invalidation.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/styles.h"
#include "window/platform/core/timers.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/draw/begin_paint.h"
#include "window/platform/draw/font.h"
#include "window/platform/system_controls/control_text.h"
#include "window/platform/system_controls/tool_relay.h"
#include "window/platform/system_controls/tooltip_painter.h"
#include "window/platform/system_controls/tooltip_tracker.h"

namespace qor::ui {

namespace {

constexpr uintptr_t kPhaseTimer = 1;   // the tracker's delays
constexpr uintptr_t kLeaveTimer = 2;   // looks for the mouse leaving the tool
constexpr uint32_t kLeaveCheckInterval = 100;
constexpr int kCursorHeight = 20;      // the tip shows this far below the cursor's point

struct Tool {
  Hwnd tool;
  Hwnd owner;
  uint32_t flags = 0;
  bool askOwner = true;
  std::string text;
};

struct TipWindow {
  std::vector<Tool> tools;
  ToolTipTracker tracker;
  bool active = true;
  bool leaveTimer = false;
  Hwnd shownTool;  // the tool whose tip shows
  FontHandle font;
  // The record outlives a tip destroyed while one of its messages is being handled (an
  // owner may destroy it when asked for a text): it goes when the outermost one returns.
  int depth = 0;
  bool gone = false;
};

TipWindow* TipOf(Hwnd tip) { return reinterpret_cast<TipWindow*>(GetWindowExtra(tip, 0)); }

Tool* FindTool(TipWindow& window, Hwnd tool) {
  auto found = std::find_if(window.tools.begin(), window.tools.end(), [&](const Tool& t) { return t.tool == tool; });
  return found == window.tools.end() ? nullptr : &*found;
}

Hwnd OwnerOf(const Tool& tool) { return tool.owner ? tool.owner : GetParent(tool.tool); }

void Notify(Hwnd tip, const Tool& tool, NotifyHeader& header, uint32_t code) {
  header.from = tip;
  header.id = tool.tool.AsParam();
  header.code = code;
  if (Hwnd owner = OwnerOf(tool)) SendMessage(owner, WM_NOTIFY, header.id, reinterpret_cast<LParam>(&header));
}

void NotifySimply(Hwnd tip, const Tool& tool, uint32_t code) {
  NotifyHeader header;
  Notify(tip, tool, header, code);
}

std::string TextOf(Hwnd tip, const Tool& tool) {
  if (!tool.askOwner) return tool.text;
  ToolTipText asked;
  Notify(tip, tool, asked.header, TTN_GETDISPINFO);
  if (asked.text) return asked.text;
  asked.buffer[sizeof asked.buffer - 1] = '\0';
  return asked.buffer;
}

bool MayShowFor(Hwnd tip, const TipWindow& window, const Tool& tool) {
  if (!window.active || !IsWindowVisible(tool.tool)) return false;
  return (GetWindowStyle(tip) & TTS_ALWAYSTIP) || GetActiveWindow() == GetTopLevel(tool.tool);
}

// Below the cursor, moved so that it lies on the screen (above the cursor if it does
// not fit below it).
Point PlaceTip(Size size) {
  Point cursor = GetCursorPos();
  Size screen = ScreenSize();
  Point at{cursor.x, cursor.y + kCursorHeight};
  if (at.x + size.cx > screen.cx) at.x = screen.cx - size.cx;
  if (at.y + size.cy > screen.cy) at.y = cursor.y - size.cy;
  return {std::max(at.x, 0), std::max(at.y, 0)};
}

bool Show(Hwnd tip, TipWindow& window) {
  Tool* tool = FindTool(window, window.tracker.Tool());
  if (!tool || !MayShowFor(tip, window, *tool)) return false;
  std::string text = TextOf(tip, *tool);
  if (text.empty() || window.gone) return false;
  Size textSize;
  if (Hdc dc = GetDC(tip)) {
    if (window.font) SelectFont(dc, window.font);
    textSize = MeasureToolTipText(dc, text, !(GetWindowStyle(tip) & TTS_NOPREFIX));
    ReleaseDC(tip, dc);
  }
  Size size = ToolTipSizeFor(textSize);
  Point at = PlaceTip(size);
  SetWindowText(tip, text);
  window.shownTool = tool->tool;
  NotifySimply(tip, *tool, TTN_SHOW);
  SetWindowPos(tip, HWND_TOP, at.x, at.y, size.cx, size.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(tip, nullptr, true);
  return true;
}

void Hide(Hwnd tip, TipWindow& window) {
  if (!IsWindowVisible(tip)) return;
  ShowWindow(tip, SW_HIDE);
  if (Tool* tool = FindTool(window, window.shownTool)) NotifySimply(tip, *tool, TTN_POP);
  window.shownTool = Hwnd{};
}

void KeepLeaveTimer(Hwnd tip, TipWindow& window) {
  bool wanted = window.tracker.Phase() != TipPhase::Idle;
  if (wanted == window.leaveTimer) return;
  window.leaveTimer = wanted;
  if (wanted) {
    SetTimer(tip, kLeaveTimer, kLeaveCheckInterval);
  } else {
    KillTimer(tip, kLeaveTimer);
  }
}

void Apply(Hwnd tip, TipWindow& window, const TipStep& step) {
  if (window.gone) return;
  if (step.hide) Hide(tip, window);
  if (step.stopTimer) KillTimer(tip, kPhaseTimer);
  if (step.startTimer) SetTimer(tip, kPhaseTimer, *step.startTimer);
  if (step.show && !Show(tip, window)) Apply(tip, window, window.tracker.ShowRefused());
  if (!window.gone) KeepLeaveTimer(tip, window);
}

bool IsButtonDown(uint32_t message) {
  return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDOWN ||
         message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK;
}

bool CursorOver(Hwnd tool) {
  return tool && IsWindowVisible(tool) && GetWindowRect(tool).Contains(GetCursorPos());
}

LResult OnRelay(Hwnd tip, TipWindow& window, const Msg* msg) {
  if (!msg || !window.active) return 0;
  bool isTool = FindTool(window, msg->hwnd) != nullptr;
  if (msg->message == WM_MOUSEMOVE) {
    bool inside = isTool && GetClientRect(msg->hwnd).Contains(UnpackPoint(msg->lParam));
    Apply(tip, window, inside ? window.tracker.MovedOver(msg->hwnd) : window.tracker.Left());
  } else if (IsButtonDown(msg->message)) {
    Apply(tip, window, window.tracker.Clicked());
  }
  return 0;
}

LResult OnAddTool(Hwnd tip, TipWindow& window, const ToolInfo* info) {
  if (!info || !IsWindow(info->tool) || FindTool(window, info->tool)) return 0;
  if ((info->flags & TTF_SUBCLASS) && !WatchTool(info->tool, tip)) return 0;
  Tool tool{info->tool, info->owner, info->flags, info->text == nullptr, info->text ? info->text : ""};
  window.tools.push_back(std::move(tool));
  return 1;
}

LResult OnDeleteTool(Hwnd tip, TipWindow& window, const ToolInfo* info) {
  if (!info) return 0;
  Tool* tool = FindTool(window, info->tool);
  if (!tool) return 0;
  Apply(tip, window, window.tracker.Removed(info->tool));
  if (tool->flags & TTF_SUBCLASS) UnwatchTool(info->tool);
  std::erase_if(window.tools, [&](const Tool& t) { return t.tool == info->tool; });
  return 1;
}

LResult OnSetDelay(TipWindow& window, WParam kind, LParam milliseconds) {
  auto value = static_cast<uint32_t>(milliseconds < 0 ? kDoubleClickTime : milliseconds);
  TipDelays& delays = window.tracker.Delays();
  switch (kind) {
    case TTDT_AUTOMATIC:
      delays = TipDelays{value, 10 * value, value / 5};
      break;
    case TTDT_RESHOW:
      delays.reshow = value;
      break;
    case TTDT_AUTOPOP:
      delays.autoPop = value;
      break;
    case TTDT_INITIAL:
      delays.initial = value;
      break;
    default:
      break;
  }
  return 0;
}

LResult OnTimer(Hwnd tip, TipWindow& window, WParam id) {
  if (id == kPhaseTimer) {
    KillTimer(tip, kPhaseTimer);
    Apply(tip, window, window.tracker.TimerDue());
  } else if (id == kLeaveTimer && !CursorOver(window.tracker.Tool())) {
    Apply(tip, window, window.tracker.Left());
  }
  return 0;
}

LResult OnPaint(Hwnd tip, const TipWindow& window) {
  PaintStruct paint;
  if (Hdc dc = BeginPaint(tip, &paint)) {
    if (window.font) SelectFont(dc, window.font);
    PaintToolTip(dc, GetClientRect(tip), GetWindowText(tip), !(GetWindowStyle(tip) & TTS_NOPREFIX));
  }
  EndPaint(tip, &paint);
  return 0;
}

LResult OnCreate(Hwnd tip) {
  auto* window = new TipWindow;
  window->font = CreateFontIndirect(LogFont{-11, FW_NORMAL, false, "MS Sans Serif"});
  SetWindowExtra(tip, 0, reinterpret_cast<intptr_t>(window));
  SetMouseTransparent(tip, true);
  return 0;
}

void OnFinalDestroy(Hwnd tip, TipWindow& window) {
  for (const Tool& tool : window.tools) {
    if (tool.flags & TTF_SUBCLASS) UnwatchTool(tool.tool);
  }
  SetWindowExtra(tip, 0, 0);
  window.gone = true;
}

LResult TipMessage(Hwnd tip, TipWindow& window, uint32_t message, WParam wParam, LParam lParam) {
  switch (message) {
    case TTM_ADDTOOL:
      return OnAddTool(tip, window, reinterpret_cast<const ToolInfo*>(lParam));
    case TTM_DELTOOL:
      return OnDeleteTool(tip, window, reinterpret_cast<const ToolInfo*>(lParam));
    case TTM_GETTOOLCOUNT:
      return static_cast<LResult>(window.tools.size());
    case TTM_RELAYEVENT:
      return OnRelay(tip, window, reinterpret_cast<const Msg*>(lParam));
    case TTM_ACTIVATE:
      window.active = wParam != 0;
      if (!window.active) Apply(tip, window, window.tracker.Left());
      return 0;
    case TTM_SETDELAYTIME:
      return OnSetDelay(window, wParam, lParam);
    case TTM_POP:
      Apply(tip, window, window.tracker.Clicked());
      return 0;
    case WM_TIMER:
      return OnTimer(tip, window, wParam);
    case WM_PAINT:
      return OnPaint(tip, window);
    case WM_ERASEBKGND:
      return 1;
    case WM_NCDESTROY:
      OnFinalDestroy(tip, window);
      return 0;
    default:
      return DefWindowProc(tip, message, wParam, lParam);
  }
}

}  // namespace

LResult ToolTipProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  if (message == WM_CREATE) return OnCreate(hwnd);
  TipWindow* window = TipOf(hwnd);
  if (!window) return DefWindowProc(hwnd, message, wParam, lParam);
  ++window->depth;
  LResult result = TipMessage(hwnd, *window, message, wParam, lParam);
  if (--window->depth == 0 && window->gone) delete window;
  return result;
}

WindowClass ToolTipClassDescription() {
  WindowClass description;
  description.name = kToolTipClass;
  description.proc = ToolTipProc;
  description.extraBytes = static_cast<int>(sizeof(intptr_t));
  return description;
}

namespace {
thread_local Hwnd threadTip;
}  // namespace

Hwnd ThreadToolTip() {
  Hwnd& tip = threadTip;
  if (IsWindow(tip)) return tip;
  CreateParams params;
  params.className = kToolTipClass;
  params.style = WS_POPUP | TTS_ALWAYSTIP;
  params.exStyle = WS_EX_TOPMOST;
  params.PlaceAt(Rect{});
  tip = CreateWindow(params);
  return tip;
}

void DestroyThreadToolTip() {
  if (IsWindow(threadTip)) DestroyWindow(threadTip);
  threadTip = Hwnd{};
}

}  // namespace qor::ui
