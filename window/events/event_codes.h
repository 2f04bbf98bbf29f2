#pragma once
// The language's event codes, as procedures see them, and their names as the trace log
// writes them. Inside a window's queue an event is held as its code plus kEventBase.
#include <cstdint>
#include <string>

namespace qor::win {

inline constexpr uint32_t kEventBase = 0x1400;
// Codes a procedure may post: 1 to this.
inline constexpr uint32_t kLastPostableEvent = 0xFFFF;

namespace event {
enum : uint32_t {
  // Field events.
  Accepted = 0x01, NewSelection, ScrollUp, ScrollDown, PageUp, PageDown, ScrollTop, ScrollBottom,
  Locate, MouseUp, MouseIn, MouseOut, MouseMove, VBXevent, AlertKey, PreAlert, Dragging, Drag, Drop,
  ScrollDrag, TabChanging, Expanding, Contracting, Expanded, Contracted, Rejected, DroppingDown,
  DroppedDown, ScrollTrack, ColumnResize,  // 0x1E
  Selected = 0x101,
  // Window events (0x207 is not used).
  CloseWindow = 0x201, CloseDown, OpenWindow, OpenFailed, LoseFocus, GainFocus,
  Suspend = 0x208, Resume, Notify, Timer, DDErequest, DDEadvise, DDEdata, DDEexecute, DDEpoke,
  DDEclosed,  // 0x211
  // Window-state requests and notifications.
  Move = 0x220, Size, Restore, Maximize, Iconize, Completed,
  Moved = 0x230, Sized, Restored, Maximized, Iconized, Docked, UnDocked,
  // Build events.
  BuildFile = 0x240, BuildKey, BuildDone,
};
}  // namespace event

// "EVENT:Timer" for a known code; "EVENT:400h" (hexadecimal, upper case) for any other.
std::string EventName(uint32_t code);

}  // namespace qor::win
