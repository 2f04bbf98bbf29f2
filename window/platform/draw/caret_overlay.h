#pragma once
// The caret as a display shows it. The core keeps the caret apart from what windows
// paint (core/caret.h): a display inverts the caret's rectangle over a window's canvas
// while the caret is shown and in the lit half of its blink, clipped to what is visible
// of its owner's client area. Painting therefore never has to hide the caret and put it
// back, blinking costs no messages and no repainting, and the canvas holds only what the
// windows drew (so tests read their pixels whatever the blink phase).
#include <cstdint>
#include <optional>
#include <string>

#include "window/platform/core/types.h"
#include "window/platform/draw/canvas.h"
#include "window/platform/draw/region.h"

namespace qor::ui {

// The pixels of the canvas of top-level window `top` that the caret inverts now; empty
// when it shows nothing there (no caret, hidden, in its dark half, owned elsewhere,
// outside the visible part of its owner).
Region CaretOverlay(Hwnd top);
// When the caret next changes between lit and dark (ticks of the one clock); none while
// no caret is shown. A display wakes then to show the change.
std::optional<uint64_t> NextCaretBlink();
// Inverts the caret's pixels on a copy of a canvas, as the display shows it.
void CompositeCaret(Canvas& canvas, Hwnd top);
// Writes the canvas of the top-level window holding `hwnd` as a PNG file with the caret
// drawn in, as the display shows it at this moment.
bool WriteWindowPngWithCaret(Hwnd hwnd, const std::string& path, std::string* error = nullptr);

}  // namespace qor::ui
