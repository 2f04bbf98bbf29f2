#pragma once
// Selecting a control and the completion pass.
#include <cstdint>

namespace qor::win {

struct Window;

// With control 0, the target window starts its completion pass: while its queue is
// empty it visits its shown, enabled, variable-showing controls in list order, each turn
// an EVENT:Accepted for the control; a control whose contents are not valid ends the pass
// and is selected; after the last one EVENT:Completed is queued. With a number: while a
// pass runs, any control but the current event's is ignored; otherwise the pass ends,
// the control's text selection is set, it takes the focus (or the next control that can)
// and is marked as being selected, so that its EVENT:Selected focuses it.
void SelectControl(int32_t control, int32_t first = 0, int32_t last = 0);

// Internal: the pass's next turn when the queue is empty. True when it produced an event
// (queued on the window).
bool AdvanceCompletionPass(Window& window);

}  // namespace qor::win
