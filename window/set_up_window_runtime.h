#pragma once
// Setting up the window runtime, once per process: the calling thread becomes thread 1,
// the auxiliary window class is registered, and the runtime's shutdown learns to close
// every open window (the newest first), release the thread table and the classes. The
// runtime's boxes are shown as message boxes from set-up until that shutdown.
namespace qor::win {

void SetUpWindowRuntime();
// True once SetUpWindowRuntime has run.
bool WindowRuntimeSetUp();

}  // namespace qor::win
