#include "window/platform/hosts/sdl/desktop_host.h"

#include <poll.h>

#include <algorithm>
#include <vector>

#include "os/ansi_utf8.h"
#include "os/clock.h"
#include "window/platform/core/caret.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/message_loop.h"
#include "window/platform/core/messages.h"
#include "window/platform/core/window.h"
#include "window/platform/core/window_attributes.h"
#include "window/platform/core/window_geometry.h"
#include "window/platform/draw/caret_overlay.h"
#include "window/platform/draw/logical_dpi.h"
#include "window/platform/hosts/install_upper_layers.h"
#include "window/platform/hosts/sdl/display_resolution.h"

namespace qor::ui {
namespace {

unsigned Bit(WindowChange change) { return 1u << static_cast<unsigned>(change); }

int TimeoutUntil(std::optional<uint64_t> deadline) {
  if (!deadline) return -1;
  uint64_t now = os::TickCount();
  uint64_t left = *deadline > now ? *deadline - now : 0;
  return left > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(left);
}

// A display to connect to, or a video driver chosen by name.
bool DisplayNamed() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}) {
    const char* value = SDL_getenv(name);
    if (value && *value) return true;
  }
  return false;
}

// SDL falls back to drivers that show nothing when no display is found; a program would
// then run on with no window and no word. They are taken only when asked for by name.
bool ShowsWindows(const char* driver) {
  if (!driver) return false;
  bool invisible = SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0;
  if (!invisible) return true;
  const char* asked = SDL_getenv("SDL_VIDEODRIVER");
  return asked && SDL_strcasecmp(asked, driver) == 0;
}

}  // namespace

std::unique_ptr<DesktopHost> DesktopHost::Open(std::string* error) {
  std::unique_ptr<DesktopHost> host(new DesktopHost());
  if (!host->Start(error)) return nullptr;
  InstallUpperLayers();
  InstallHost(host.get());
  return host;
}

DesktopHost::DesktopHost() : input_([this](uint32_t id) { return FindShown(id); }) {}

bool DesktopHost::Start(std::string* error) {
  // The core handles SIGINT and SIGTERM itself (session.h), and a desktop program lets the
  // screen saver run.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  constexpr const char* kNoDisplay = "no X11 or Wayland display was found (is DISPLAY or WAYLAND_DISPLAY set?)";
  if (!DisplayNamed()) {  // asked before the video drivers try, and complain, one by one
    if (error) *error = kNoDisplay;
    return false;
  }
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    if (error) *error = SDL_GetError();
    return false;
  }
  sdlStarted_ = true;
  if (!ShowsWindows(SDL_GetCurrentVideoDriver())) {
    if (error) *error = kNoDisplay;
    return false;
  }
  // On X11 the canvases go straight to the server (shared memory images). Left to itself
  // SDL would put them through an OpenGL texture, which costs a GL context (most of a
  // second on a software rasteriser) and gains a plain 2-D program nothing. Wayland has
  // no such path, so SDL's choice stands there.
  if (SDL_strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // A resolution out of range (QOR_DPI=5000) is refused and 96 stays.
  SetLogicalDpi(DesktopLogicalDpi());
  wakeEvent_ = SDL_RegisterEvents(1);
  if (wakeEvent_ == static_cast<uint32_t>(-1) || !wake_.Start(wakeEvent_)) {
    if (error) *error = "cannot make the wake-up channel";
    return false;
  }
  return true;
}

DesktopHost::~DesktopHost() {
  if (&CurrentHost() == this) InstallHost(nullptr);
  windows_.clear();
  if (sdlStarted_) SDL_Quit();
}

DesktopWindow* DesktopHost::Find(Hwnd hwnd) const {
  auto found = windows_.find(hwnd.value);
  return found == windows_.end() ? nullptr : found->second.get();
}

std::optional<ShownWindow> DesktopHost::FindShown(uint32_t sdlWindowId) const {
  for (const auto& [handle, window] : windows_) {
    if (window->SdlId() == sdlWindowId && IsWindow(window->Handle())) return window->Placement();
  }
  return std::nullopt;
}

SDL_Window* DesktopHost::RealWindow(Hwnd hwnd) const {
  DesktopWindow* window = Find(hwnd);
  return window ? window->Sdl() : nullptr;
}

Rect DesktopHost::ShownRect(Hwnd hwnd) const {
  DesktopWindow* window = Find(hwnd);
  return window ? window->ShownRect() : Rect{};
}

std::optional<Canvas> DesktopHost::ReadBack(Hwnd hwnd) const {
  DesktopWindow* window = Find(hwnd);
  if (!window) return std::nullopt;
  return window->ReadBack();
}

// ---- Keeping the real windows in step with the core ----

void DesktopHost::WindowChanged(Hwnd hwnd, WindowChange change) {
  {
    std::lock_guard lock(pendingMutex_);
    changes_[hwnd.value] |= Bit(change);
  }
  if (!IsHostThread()) Wake();
}

void DesktopHost::Present() {
  ApplyPendingRequests();
  std::map<uint32_t, unsigned> changes;
  {
    std::lock_guard lock(pendingMutex_);
    changes.swap(changes_);
  }
  NoteCaretChange(changes);
  std::erase_if(windows_, [](const auto& entry) { return !IsWindow(Hwnd{entry.first}); });
  // Bottom first, so that windows made together stack on the desktop as in the core.
  std::vector<Hwnd> tops = GetChildren(Hwnd{});
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
    Hwnd top = *it;
    auto changed = changes.find(top.value);
    bool isNew = !Find(top);
    if (changed == changes.end() && !isNew) continue;
    SyncWindow(top, changed == changes.end() ? ~0u : changed->second | (isNew ? ~0u : 0u));
  }
  FollowActivation();
}

// The caret is shown over the canvas (caret_overlay.h): a window shows anew when the caret
// lit, went dark, moved in it or left it.
void DesktopHost::NoteCaretChange(std::map<uint32_t, unsigned>& changes) {
  CaretInfo caret = GetCaretInfo();
  Hwnd top = caret.owner ? GetTopLevel(caret.owner) : Hwnd{};
  ShownCaret now{top, top ? CaretOverlay(top).Bounds() : Rect{}};
  if (now.top == shownCaret_.top && now.bounds == shownCaret_.bounds) return;
  for (Hwnd changed : {shownCaret_.top, now.top}) {
    if (changed) changes[changed.value] |= Bit(WindowChange::Painted);
  }
  shownCaret_ = now;
}

void DesktopHost::SyncWindow(Hwnd top, unsigned changes) {
  DesktopWindow* window = Find(top);
  if (!IsWindowVisible(top)) {
    if (window) window->Hide();
    return;
  }
  if (!window) {
    std::unique_ptr<DesktopWindow> made = DesktopWindow::Create(top, nullptr);
    if (!made) return;
    window = made.get();
    windows_[top.value] = std::move(made);
  }
  window->Sync((changes & Bit(WindowChange::TextChanged)) != 0);
  unsigned repaint = Bit(WindowChange::Painted) | Bit(WindowChange::Shown) | Bit(WindowChange::Moved) |
                     Bit(WindowChange::Created);
  if (changes & repaint) window->Present();
}

// The window the core activates is raised on the desktop too, and given the keyboard.
void DesktopHost::FollowActivation() {
  Hwnd active = GetActiveWindow();
  if (active == lastActive_) return;
  if (DesktopWindow* window = Find(active)) {
    SDL_RaiseWindow(window->Sdl());
    lastActive_ = active;
  }
}

// ---- Waiting and events ----

void DesktopHost::Wait(std::optional<uint64_t> deadline) {
  Present();
  // Wake for the caret's next blink too.
  if (std::optional<uint64_t> blink = NextCaretBlink(); blink && (!deadline || *blink < *deadline)) deadline = blink;
  if (windows_.empty()) {
    WaitWithoutWindows(deadline);
  } else {
    SDL_Event event;
    int timeout = TimeoutUntil(deadline);
    bool got = timeout < 0 ? SDL_WaitEvent(&event) != 0 : SDL_WaitEventTimeout(&event, timeout) != 0;
    if (got) HandleEvent(event);
  }
  SDL_Event more;
  while (SDL_PollEvent(&more)) HandleEvent(more);
  input_.Flush();
  ApplyPendingRequests();
}

// SDL can only wait for events without polling while it has a window to wake; with none,
// the host waits on the relayed wake-ups alone (there is no input to come).
void DesktopHost::WaitWithoutWindows(std::optional<uint64_t> deadline) {
  pollfd relay{wake_.RelayFd(), POLLIN, 0};
  poll(&relay, 1, TimeoutUntil(deadline));
  wake_.Seen();
}

void DesktopHost::HandleEvent(const SDL_Event& event) {
  if (event.type == wakeEvent_) {
    wake_.Seen();
    return;
  }
  if (input_.Handle(event)) return;
  if (event.type == SDL_WINDOWEVENT) HandleWindowEvent(event.window);
}

void DesktopHost::HandleWindowEvent(const SDL_WindowEvent& event) {
  DesktopWindow* window = nullptr;
  for (const auto& [handle, candidate] : windows_) {
    if (candidate->SdlId() == event.windowID) window = candidate.get();
  }
  if (!window || !IsWindow(window->Handle())) return;
  Hwnd hwnd = window->Handle();
  switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
      if (IsWindowEnabled(hwnd)) PostMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case SDL_WINDOWEVENT_EXPOSED:
      window->Present();
      break;
    case SDL_WINDOWEVENT_MOVED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      FollowRealPlacement(*window, event);
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      if (!IsWindowEnabled(hwnd)) {
        RaiseEnabledPopupOf(hwnd);
      } else if (GetActiveWindow() != hwnd) {
        SetActiveWindow(hwnd);
        lastActive_ = hwnd;
      }
      break;
    default:
      break;
  }
}

// The user moved or resized the real window: the core's window follows.
void DesktopHost::FollowRealPlacement(DesktopWindow& window, const SDL_WindowEvent& event) {
  Hwnd hwnd = window.Handle();
  ShownWindow placed = window.Placement();
  Rect whole = GetWindowRect(hwnd);
  Rect shown = window.ShownRect();
  int x = whole.left;
  int y = whole.top;
  int width = whole.Width();
  int height = whole.Height();
  if (event.event == SDL_WINDOWEVENT_MOVED) {
    x = static_cast<int>(event.data1 * placed.scale) - shown.left;
    y = static_cast<int>(event.data2 * placed.scale) - shown.top;
  } else {
    width += static_cast<int>(event.data1 * placed.scale) - shown.Width();
    height += static_cast<int>(event.data2 * placed.scale) - shown.Height();
  }
  if (x != whole.left || y != whole.top || width != whole.Width() || height != whole.Height()) {
    MoveWindow(hwnd, x, y, width, height);
  }
}

// A window disabled by a modal dialog passes the keyboard on to the dialog.
void DesktopHost::RaiseEnabledPopupOf(Hwnd owner) {
  for (Hwnd top : GetChildren(Hwnd{})) {
    if (GetOwner(top) == owner && IsWindowVisible(top) && IsWindowEnabled(top)) {
      if (DesktopWindow* popup = Find(top)) SDL_RaiseWindow(popup->Sdl());
      return;
    }
  }
}

// ---- Requests other threads leave for the host thread: cursor and beep ----

void DesktopHost::CursorChanged(CursorHandle cursor) {
  {
    std::lock_guard lock(pendingMutex_);
    pendingCursor_ = cursor;
  }
  if (IsHostThread()) {
    ApplyPendingRequests();
  } else {
    Wake();
  }
}

void DesktopHost::Beep(uint32_t sound) {
  {
    std::lock_guard lock(pendingMutex_);
    pendingSound_ = sound;  // a newer sound cuts an older one short anyway
  }
  if (IsHostThread()) {
    ApplyPendingRequests();
  } else {
    Wake();
  }
}

void DesktopHost::ApplyPendingRequests() {
  std::optional<CursorHandle> cursor;
  std::optional<uint32_t> sound;
  {
    std::lock_guard lock(pendingMutex_);
    cursor.swap(pendingCursor_);
    sound.swap(pendingSound_);
  }
  if (cursor) cursors_.Show(*cursor);
  if (!sound) return;
  if (!beep_.Play(*sound)) {
    // No sound device: the active window flashes instead.
    if (DesktopWindow* window = Find(GetActiveWindow())) SDL_FlashWindow(window->Sdl(), SDL_FLASH_BRIEFLY);
    ++flashedBeeps_;
  }
}

// ---- Screen and clipboard ----

Size DesktopHost::ScreenSize() {
  SDL_Rect usable{};
  if (!IsHostThread() || SDL_GetDisplayUsableBounds(0, &usable) != 0) return Host::ScreenSize();
  return {usable.w, usable.h};
}

// The desktop's clipboard holds UTF-8; the core's texts are code page 1252. Other threads
// see the text the program last put there.
std::string DesktopHost::ClipboardText() {
  if (!IsHostThread()) return Host::ClipboardText();
  if (!SDL_HasClipboardText()) return {};
  char* text = SDL_GetClipboardText();
  std::string ansi = os::Utf8ToAnsi(text ? text : "");
  SDL_free(text);
  return ansi;
}

void DesktopHost::SetClipboardText(const std::string& text) {
  Host::SetClipboardText(text);
  if (IsHostThread()) SDL_SetClipboardText(os::AnsiToUtf8(text).c_str());
}

}  // namespace qor::ui
