#pragma once
// Input. A host reports what the user does with the functions below; the core turns it
// into mouse and key messages on the queue of the window concerned:
// - the mouse goes to the window holding the capture, else to the visible, enabled window
//   under the cursor, in client coordinates, only within its client area;
// - a second press of the same button on the same window within the double-click time and
//   distance becomes a double click if the window's class has CS_DBLCLKS;
// - keys go to the focus window, else to the active window; with Alt held they are
//   system keys. A key that types a character carries it for TranslateMessage.
#include <cstdint>

#include "window/platform/core/types.h"

namespace qor::ui {

enum class MouseButton { Left, Right, Middle };

void HostMouseMove(Point screen);
void HostMouseButton(MouseButton button, bool down, Point screen);
// `character` is what the key types with the current modifiers (0 for none).
void HostKey(uint32_t keyCode, bool down, uint32_t character);

// Whether a key (or mouse button, VK_LBUTTON...) is down: the sign bit of the result is set
// when it is down, bit 0 when a toggle key is on.
int16_t GetKeyState(uint32_t keyCode);
Point GetCursorPos();
// MK_* flags for the buttons and modifiers that are down.
uint32_t MouseKeyFlags();

inline constexpr uint32_t kDoubleClickTime = 500;    // milliseconds
inline constexpr int kDoubleClickDistance = 2;       // pixels either way

// The cursor shape shown over the windows; the host shows it. SetCursor shows a shape at
// once, until the pointer next moves.
CursorHandle SetCursor(CursorHandle cursor);
CursorHandle GetCursor();
// The pointer's shape follows the window under it: as the pointer moves or a button goes
// down, the class cursor of the window the mouse goes to there (or of its nearest
// ancestor that has one; the arrow for none, and off every window) is shown, unless an
// override is in force. An override (the wait cursor while the program is busy) shows
// wherever the pointer is until it is taken off with CursorHandle::None, when the class
// cursor under the pointer comes back at once. Returns the override before.
CursorHandle SetOverrideCursor(CursorHandle cursor);
CursorHandle GetOverrideCursor();
// The cursor a window shows by its class (see above).
CursorHandle ClassCursorUnder(Hwnd hwnd);
// The system's sounds, by the message-box icon they go with. A host plays a sound (or
// flashes) for each; the numbers are the ones stored programs pass.
inline constexpr uint32_t MB_OK = 0x00000000;            // the default sound
inline constexpr uint32_t MB_ICONHAND = 0x00000010;      // stop
inline constexpr uint32_t MB_ICONQUESTION = 0x00000020;
inline constexpr uint32_t MB_ICONEXCLAMATION = 0x00000030;
inline constexpr uint32_t MB_ICONASTERISK = 0x00000040;  // information
inline constexpr uint32_t kSimpleBeep = 0xFFFFFFFF;      // the plain beep of the speaker
void MessageBeep(uint32_t sound = MB_OK);

}  // namespace qor::ui
