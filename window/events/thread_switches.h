#pragma once
// Events about threads rather than controls.
//   LoseFocus/GainFocus: before each look at a queue, the thread of the platform's active
//   window is compared with the one seen last; on a change the old thread's active window
//   gets EVENT:LoseFocus and the new one's EVENT:GainFocus.
//   Suspend/Resume: when a loop body is about to run on another thread than the body
//   before, that thread's active window gets EVENT:Suspend and is marked suspended; a
//   marked window about to run its own body gets EVENT:Resume and loses the mark.
#include <cstdint>

namespace qor::win {

struct Window;

void CheckActiveThread();
// A thread opened a window: the window's first look at its queue finds its thread newly
// active, so that its first events are OpenWindow and then GainFocus.
void NoteWindowOpened(int32_t threadNumber);
void NoteBodyAboutToRun(Window& window);
// Forgets the threads seen (shutdown and tests).
void ResetThreadSwitches();

}  // namespace qor::win
