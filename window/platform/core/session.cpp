#include "window/platform/core/session.h"

#include <signal.h>

#include <algorithm>
#include <atomic>
#include <vector>

#include "os/thread_id.h"
#include "window/platform/core/host.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"

namespace qor::ui {

namespace {

std::atomic<int> g_pendingSignal{0};
std::atomic<int> g_servedSignal{0};

extern "C" void OnTerminationSignal(int signalNumber) {
  int none = 0;
  g_pendingSignal.compare_exchange_strong(none, signalNumber);
  CurrentHost().Wake();
}

std::vector<Hwnd> TopLevelWindowsOfThisThread() {
  std::vector<Hwnd> mine;
  for (Hwnd top : GetChildren(Hwnd{})) {
    if (GetWindowThread(top) == os::CurrentThreadId()) mine.push_back(top);
  }
  return mine;
}

}  // namespace

bool QueryEndSession(LParam reason) {
  std::vector<Hwnd> windows = GetChildren(Hwnd{});
  bool mayEnd = true;
  for (Hwnd top : windows) {
    if (IsWindow(top) && SendMessage(top, WM_QUERYENDSESSION, 0, reason) == 0) {
      mayEnd = false;
      break;
    }
  }
  for (Hwnd top : windows) {
    if (IsWindow(top)) SendMessage(top, WM_ENDSESSION, mayEnd ? 1 : 0, reason);
  }
  return mayEnd;
}

void InstallTerminationHandlers() {
  CurrentHost();  // made now, so that the handler only reads it
  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGHUP, &action, nullptr);  // the terminal or the session went away
}

void RequestTermination(int signalNumber) { OnTerminationSignal(signalNumber); }

int TerminationSignal() { return g_servedSignal.load(); }

void ServeTerminationRequest() {
  int signalNumber = g_pendingSignal.load();
  if (signalNumber == 0 || g_servedSignal.load() != 0) return;
  g_servedSignal.store(signalNumber);
  // Newest first: the list is in z-order, which puts recently opened windows on top;
  // handles say the order of creation exactly.
  std::vector<Hwnd> windows = TopLevelWindowsOfThisThread();
  std::sort(windows.begin(), windows.end(), [](Hwnd a, Hwnd b) { return a.value > b.value; });
  for (Hwnd top : windows) {
    if (!IsWindow(top)) continue;
    SendMessage(top, WM_ENDSESSION, 1, ENDSESSION_CLOSEAPP);
    DestroyWindow(top);
  }
  PostQuitMessage(128 + signalNumber);
}

}  // namespace qor::ui
