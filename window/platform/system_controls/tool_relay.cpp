#include "window/platform/system_controls/tool_relay.h"

#include <mutex>
#include <unordered_map>

#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/defaults/default_proc.h"
#include "window/platform/system_controls/tooltip_control.h"

namespace qor::ui {

namespace {

struct Watch {
  WindowProc previous = nullptr;
  Hwnd tip;  // null once unwatched while another procedure lies in front of ours
};

struct WatchTable {
  std::mutex mutex;
  std::unordered_map<uint32_t, Watch> watches;  // by tool handle
};

WatchTable& Table() {
  static WatchTable table;
  return table;
}

Watch Find(Hwnd tool) {
  std::lock_guard lock(Table().mutex);
  auto found = Table().watches.find(tool.value);
  return found == Table().watches.end() ? Watch{} : found->second;
}

bool IsRelayed(uint32_t message) {
  return message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK ||
         message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDOWN ||
         message == WM_MBUTTONDBLCLK;
}

LResult WatchedToolProc(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam) {
  Watch watch = Find(hwnd);
  if (watch.tip && IsRelayed(message)) {
    Msg relayed;
    relayed.hwnd = hwnd;
    relayed.message = message;
    relayed.wParam = wParam;
    relayed.lParam = lParam;
    SendMessage(watch.tip, TTM_RELAYEVENT, 0, reinterpret_cast<LParam>(&relayed));
  }
  if (message == WM_NCDESTROY) {
    if (watch.tip) {
      ToolInfo gone;
      gone.tool = hwnd;
      SendMessage(watch.tip, TTM_DELTOOL, 0, reinterpret_cast<LParam>(&gone));
    }
    std::lock_guard lock(Table().mutex);
    Table().watches.erase(hwnd.value);
  }
  if (!watch.previous) return DefWindowProc(hwnd, message, wParam, lParam);
  return CallWindowProc(watch.previous, hwnd, message, wParam, lParam);
}

}  // namespace

bool WatchTool(Hwnd tool, Hwnd tip) {
  if (!IsWindow(tool)) return false;
  {
    std::lock_guard lock(Table().mutex);
    auto found = Table().watches.find(tool.value);
    if (found != Table().watches.end()) {
      if (found->second.tip) return false;
      found->second.tip = tip;  // still in the chain from before
      return true;
    }
  }
  WindowProc previous = SetWindowProc(tool, WatchedToolProc);
  std::lock_guard lock(Table().mutex);
  Table().watches[tool.value] = Watch{previous, tip};
  return true;
}

void UnwatchTool(Hwnd tool) {
  Watch watch = Find(tool);
  if (!watch.tip) return;
  if (GetWindowProc(tool) == WatchedToolProc) {
    SetWindowProc(tool, watch.previous);
    std::lock_guard lock(Table().mutex);
    Table().watches.erase(tool.value);
  } else {
    std::lock_guard lock(Table().mutex);
    Table().watches[tool.value].tip = Hwnd{};
  }
}

}  // namespace qor::ui
