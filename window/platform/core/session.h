#pragma once
// The end of the session and of the process.
//
// When the user's session is about to end, the host asks every top-level window with
// WM_QUERYENDSESSION; any window answering 0 refuses, and every window is then told the
// outcome with WM_ENDSESSION (wParam: whether the session ends).
//
// SIGINT, SIGTERM and SIGHUP cannot be refused. Once the handlers are installed, such a signal
// wakes the host thread, which at its next look at the queue closes the application in
// order: every top-level window of the thread receives WM_ENDSESSION (wParam 1, lParam
// ENDSESSION_CLOSEAPP) and is destroyed, most recent first, and WM_QUIT is posted with
// exit code 128 + the signal number.
#include <cstdint>

#include "window/platform/core/types.h"

namespace qor::ui {

// Asks the windows; true when the session may end. `reason`: ENDSESSION_* flags.
bool QueryEndSession(LParam reason);

void InstallTerminationHandlers();
// As if the signal had arrived (for a host that learns of the end another way).
void RequestTermination(int signalNumber);
// The signal that ended the application, 0 if none.
int TerminationSignal();

// Internal: the host thread's check, made whenever it reads its queue.
void ServeTerminationRequest();

}  // namespace qor::ui
