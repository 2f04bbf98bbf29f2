#pragma once
// Internal: the runtime's live window and control objects. A reference read back from a
// platform window (its properties or a reply) counts only when it names one of them.
#include <cstdint>

namespace qor::win {
struct Window;
class Control;
}

namespace qor::win::detail {

void NoteLive(const Window* window);
void NoteLive(const Control* control);
void NoteGone(const void* object);
// The object behind a reference, if it is live and of that kind.
Window* LiveWindow(uintptr_t reference);
Control* LiveControl(uintptr_t reference);

}  // namespace qor::win::detail
