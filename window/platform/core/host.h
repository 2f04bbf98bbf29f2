#pragma once
// The host: what the core needs from the world around it. It blocks the waiting thread
// until something happens, shows windows (or not), holds the clipboard and makes the
// beep. Input flows the other way: a host calls the functions of input.h.
//
// The host's thread is the one that installed it (the process's first thread for the
// built-in host); only that thread waits through the host. Other threads wait on their
// own queue. The built-in host has no display and waits on the real clock.
#include <cstdint>
#include <optional>
#include <string>

#include "os/thread_id.h"
#include "window/platform/core/types.h"

namespace qor::ui {

// Painted: pixels of the window's canvas were drawn (a display shows them now).
enum class WindowChange { Created, Shown, Hidden, Moved, Restacked, TextChanged, Invalidated, Destroyed, Painted };

class Host {
 public:
  virtual ~Host() = default;

  // Blocks until Wake() is called, the host has produced input, or the clock in force
  // reaches `deadline` (ticks); no deadline means wait for as long as it takes. It may
  // return early; it must never spin.
  virtual void Wait(std::optional<uint64_t> deadline) = 0;
  // Ends a Wait early. Called from any thread and from signal handlers, so it must be
  // safe to call there (writing to a pipe is).
  virtual void Wake() = 0;

  // Whether windows are seen and answered by someone: a host without a display (the
  // built-in one) says no, and whoever would ask a question takes its default answer.
  virtual bool HasDisplay() const { return false; }
  virtual Size ScreenSize() { return {1024, 768}; }
  // Something about a window that a display would show has changed.
  virtual void WindowChanged(Hwnd, WindowChange) {}
  virtual void CursorChanged(CursorHandle) {}
  // One of the sounds of MessageBeep (MB_OK, MB_ICONHAND, ..., kSimpleBeep).
  virtual void Beep(uint32_t /*sound*/) {}

  virtual std::string ClipboardText() { return clipboard_; }
  virtual void SetClipboardText(const std::string& text) { clipboard_ = text; }

 private:
  std::string clipboard_;
};

// Installs a host for the calling thread, which becomes the host thread; nullptr puts the
// built-in host back (bound to the process's first thread). The host must outlive its use.
void InstallHost(Host* host);
Host& CurrentHost();
bool IsHostThread();
os::ThreadId HostThread();

}  // namespace qor::ui
