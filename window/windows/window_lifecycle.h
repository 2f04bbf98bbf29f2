#pragma once
// The life of a window: prepared from its stored definition, opened (its platform window,
// class and controls made and its use variables bound), closed (pending paints first,
// queued events freed undelivered), released. Errors go to the run-time error report
// with "WSLDIAL" as additional text.
#include <cstdint>
#include <span>
#include <string_view>

#include "window/platform/core/types.h"
#include "window/windows/use_variable.h"

namespace qor::win {

struct Window;

// A new window object from definition `qualifiedName`, window `label`, with the use
// variables of its variable-showing controls in control order. A missing definition or
// label, or a malformed image, is error 502.
Window* PrepareWindow(std::string_view qualifiedName, std::string_view label,
                      std::span<const UseVariable> uses);
// Opens the window; it becomes the calling thread's active window and its first events
// are EVENT:OpenWindow and then EVENT:GainFocus. Already open: error 535; the platform
// window cannot be made: 529; too few use variables, or one whose type or size differs
// from its record: 501.
void OpenWindow(Window* window);
// Dispatches the thread's pending paints, then closes and destroys the window. Closing a
// closed window does nothing. The thread's active window becomes the one that was
// active before this one opened.
void CloseWindow(Window* window);
// Closes the window if open and frees the object; nothing refers to it afterwards.
void ReleaseWindow(Window* window);

bool IsWindowOpen(const Window* window);
ui::Hwnd WindowHandle(const Window* window);
// Windows opened modal (or while the system was modal) and not yet closed.
int32_t ModalCount();

}  // namespace qor::win
