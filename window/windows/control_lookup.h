#pragma once
// Finding an open window's control by its number in a few steps, however many controls
// the window has: property calls and posts name controls by number many times a second.
#include <cstdint>

namespace qor::win {

struct Window;
class Control;

// Builds the index over the window's numbered controls (done once its controls exist).
void IndexControlsByNumber(Window& window);
// The control with that number; the first created when several share it; null for 0,
// a number the window lacks, or a closed window.
Control* FindControl(const Window& window, int32_t number);

}  // namespace qor::win
