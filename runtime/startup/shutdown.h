#pragma once
// The end of a normal run, and closing every open file, which the fatal paths share.

namespace qor::rt {

// The steps of shutdown that belong to the window runtime; it installs them when it
// is set up. Each runs once per shutdown, in this order.
enum class ShutdownStep {
  CloseWindows,    // every open window asked to close, the most recent first
  ReleaseThreads,  // thread bookkeeping released (then the runtime is no longer active)
  StopTimer,       // the runtime's global timer
  ReleaseClasses,  // window classes and fonts the runtime created
};
using ShutdownRoutine = void (*)();
void SetShutdownRoutine(ShutdownStep step, ShutdownRoutine routine);  // null removes

// Runs the window runtime's steps, clears *runtime active*, and closes all files.
void Shutdown();

// Files of the file access layer: closed at the end, the most recently opened first.
using FileCloser = void (*)(void* file);
void TrackOpenFile(void* file, FileCloser close);
void UntrackOpenFile(void* file);  // the file was closed by its owner

// Runs once per process: calls the close-all hook if set, then closes every tracked
// file. Later calls do nothing.
void CloseAllFiles();

}  // namespace qor::rt
