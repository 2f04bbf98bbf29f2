#pragma once
// Messages: each thread has a queue. Posting appends to the queue of the window's
// thread; sending calls the window procedure at once (on another thread's window it
// waits until that thread serves it, serving messages sent to itself meanwhile).
// Reading the queue gives, in this order: posted and input messages, quit, paint
// requests, then timers that are due.
#include <cstdint>

#include "window/platform/core/types.h"

namespace qor::ui {

inline constexpr uint32_t PM_NOREMOVE = 0;
inline constexpr uint32_t PM_REMOVE = 1;

// Appends to the queue of the window's thread. False for a window that does not exist.
// A null window posts to the calling thread.
bool PostMessage(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam);
// Appends a message without a window to a thread's queue; false if that thread has never
// used messages (the calling thread always can).
bool PostThreadMessage(uint32_t thread, uint32_t message, WParam wParam, LParam lParam);
// Calls the window procedure and returns its result; 0 for a window that does not exist.
LResult SendMessage(Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam);
// Calls a procedure directly: the way a subclass or superclass hands a message on.
LResult CallWindowProc(WindowProc proc, Hwnd hwnd, uint32_t message, WParam wParam, LParam lParam);

// Waits (blocking, never spinning) for the next message for `filter` (null: any) within
// [first, last] (0, 0: all). Returns false when the message is WM_QUIT.
bool GetMessage(Msg& msg, Hwnd filter = Hwnd{}, uint32_t first = 0, uint32_t last = 0);
// Like GetMessage without waiting: false when nothing is there. PM_REMOVE takes it.
bool PeekMessage(Msg& msg, Hwnd filter = Hwnd{}, uint32_t first = 0, uint32_t last = 0,
                 uint32_t remove = PM_REMOVE);
// Blocks until the queue holds something new or a timer falls due.
void WaitMessage();
// For a key-down that types a character, posts WM_CHAR (WM_SYSCHAR with Alt) to the same
// window, to be read next. True if it posted one.
bool TranslateMessage(const Msg& msg);
// Hands the message to its window's procedure (a running timer with its own procedure
// calls that; a WM_TIMER posted by hand never calls what its lParam points at).
LResult DispatchMessage(const Msg& msg);
// Makes the thread's queue return WM_QUIT with this code once it holds nothing posted.
void PostQuitMessage(int exitCode);

// The time and cursor position of the message last read by the calling thread.
uint64_t GetMessageTime();
Point GetMessagePos();

}  // namespace qor::ui
