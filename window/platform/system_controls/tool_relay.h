#pragma once
// How a tool tip watches the mouse on its tools: it slides a procedure of its own in
// front of the tool's, which hands the mouse messages to the tip (TTM_RELAYEVENT) and
// then everything on to the tool's own procedure. Unwatching puts the tool's procedure
// back; if another procedure has been slid in front meanwhile, ours stays in the chain
// but only passes messages on.
#include "window/platform/core/types.h"

namespace qor::ui {

// False if the tool is not a window or is watched already.
bool WatchTool(Hwnd tool, Hwnd tip);
void UnwatchTool(Hwnd tool);

}  // namespace qor::ui
