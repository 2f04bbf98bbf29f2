#pragma once
// The tester procedure, kzt_asm$KZT_A001: binds its state to the controls of its stored
// window, runs its TesterWindow and stores the response in the global response.
namespace qor::win {
struct Window;
}
namespace qor::fw {
class WindowManager;
}

namespace qor::app {

struct TesterState;

void KZT_A001();

// While KZT_A001 runs (from its start values until its window is released): its state
// and its window; null otherwise.
TesterState* RunningTesterState();
win::Window* RunningTesterWindow();
// Its TesterWindow, from its creation until it is freed; null otherwise.
fw::WindowManager* RunningTesterManager();

}  // namespace qor::app
