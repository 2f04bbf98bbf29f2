#pragma once
// The desktop host: the core on a real screen through SDL2 (X11 or Wayland, as
// SDL_VIDEODRIVER or the session says). Each visible top-level window of the core is a
// real window showing its canvas; mouse, keyboard, text, clipboard and cursors are SDL's;
// the clock is the real one.
//
// SDL is only called on the host thread. The core tells the host about changes from any
// thread; the host notes them and brings the real windows up to date (Present) before
// each wait, so that a whole burst of painting reaches the screen once.
#include <SDL.h>

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "window/platform/core/host.h"
#include "window/platform/draw/canvas.h"
#include "window/platform/hosts/sdl/beep_sound.h"
#include "window/platform/hosts/sdl/desktop_window.h"
#include "window/platform/hosts/sdl/sdl_input.h"
#include "window/platform/hosts/sdl/system_cursors.h"
#include "window/platform/hosts/sdl/wake_relay.h"

namespace qor::ui {

class DesktopHost final : public Host {
 public:
  // Opens the display and installs the host for the calling thread; null (with SDL's
  // reason) when there is no display to open.
  static std::unique_ptr<DesktopHost> Open(std::string* error = nullptr);
  ~DesktopHost() override;
  DesktopHost(const DesktopHost&) = delete;
  DesktopHost& operator=(const DesktopHost&) = delete;

  // Brings the real windows up to date with the core: made, placed, titled, shown or
  // hidden, their canvases put on the screen. Host thread only.
  void Present();
  // Hands one SDL event to the core (Wait does this for every event it reads).
  void HandleEvent(const SDL_Event& event);

  // The real window of a top-level window (null while it has none), the part of the
  // canvas it shows, and the pixels the display shows in it.
  SDL_Window* RealWindow(Hwnd hwnd) const;
  Rect ShownRect(Hwnd hwnd) const;
  std::optional<Canvas> ReadBack(Hwnd hwnd) const;
  int FlashedBeeps() const { return flashedBeeps_; }

  // Host
  void Wait(std::optional<uint64_t> deadline) override;
  void Wake() override { wake_.Wake(); }
  bool HasDisplay() const override { return true; }
  Size ScreenSize() override;
  void WindowChanged(Hwnd hwnd, WindowChange change) override;
  void CursorChanged(CursorHandle cursor) override;
  void Beep(uint32_t sound) override;
  std::string ClipboardText() override;
  void SetClipboardText(const std::string& text) override;

 private:
  DesktopHost();
  bool Start(std::string* error);
  DesktopWindow* Find(Hwnd hwnd) const;
  std::optional<ShownWindow> FindShown(uint32_t sdlWindowId) const;
  void SyncWindow(Hwnd top, unsigned changes);
  void NoteCaretChange(std::map<uint32_t, unsigned>& changes);
  void FollowActivation();
  void HandleWindowEvent(const SDL_WindowEvent& event);
  void FollowRealPlacement(DesktopWindow& window, const SDL_WindowEvent& event);
  void RaiseEnabledPopupOf(Hwnd owner);
  void WaitWithoutWindows(std::optional<uint64_t> deadline);
  void ApplyPendingRequests();

  WakeRelay wake_;
  uint32_t wakeEvent_ = 0;
  SdlInput input_;
  SystemCursors cursors_;
  BeepSound beep_;
  std::map<uint32_t, std::unique_ptr<DesktopWindow>> windows_;  // by the core's handle

  std::mutex pendingMutex_;  // what other threads leave for the host thread
  std::map<uint32_t, unsigned> changes_;
  std::optional<CursorHandle> pendingCursor_;
  std::optional<uint32_t> pendingSound_;

  struct ShownCaret {
    Hwnd top;     // the window the caret shows in (null: none)
    Rect bounds;  // of what it covers there now (empty: dark or hidden)
  };
  ShownCaret shownCaret_;
  Hwnd lastActive_;
  int flashedBeeps_ = 0;
  bool sdlStarted_ = false;
};

}  // namespace qor::ui
