// SDL's input events as the core's messages, without a display: the events are made by
// hand and the real window they name is a stand-in placed by the test.
#include "window/platform/hosts/sdl/sdl_input.h"

#include "tests/window/platform/core/recorder.h"
#include "window/platform/core/focus.h"
#include "window/platform/core/input.h"
#include "window/platform/core/keys.h"
#include "window/platform/core/window_geometry.h"

namespace qor::ui::testing {
namespace {

using Seq = std::vector<std::string>;

constexpr uint32_t kRealWindow = 7;

// A main window at (100, 50) on the core's screen; the real window 7 shows its client
// area from (100, 50), at `scale` real pixels per SDL point.
class SdlInputTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    main = Make("main", WS_POPUP | WS_VISIBLE, Hwnd{}, {100, 50, 400, 250}, kDoubleClickClass);
    host.Pump();
    Take();
  }

  SdlInput input{[this](uint32_t id) -> std::optional<ShownWindow> {
    if (id != kRealWindow) return std::nullopt;
    return ShownWindow{main, {100, 50}, scale};
  }};
  float scale = 1;
  Hwnd main;
};

SDL_Event Button(uint32_t type, uint8_t button, int x, int y, uint32_t window = kRealWindow) {
  SDL_Event e{};
  e.type = type;
  e.button.windowID = window;
  e.button.button = button;
  e.button.x = x;
  e.button.y = y;
  return e;
}

SDL_Event Motion(int x, int y) {
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.windowID = kRealWindow;
  e.motion.x = x;
  e.motion.y = y;
  return e;
}

SDL_Event Key(uint32_t type, SDL_Keycode symbol, SDL_Scancode place, uint16_t modifiers = 0) {
  SDL_Event e{};
  e.type = type;
  e.key.windowID = kRealWindow;
  e.key.keysym.sym = symbol;
  e.key.keysym.scancode = place;
  e.key.keysym.mod = modifiers;
  return e;
}

SDL_Event Text(const char* utf8) {
  SDL_Event e{};
  e.type = SDL_TEXTINPUT;
  e.text.windowID = kRealWindow;
  SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
  return e;
}

TEST_F(SdlInputTest, MouseEventsArriveAtTheirClientPositionsAndTheCoreMakesDoubleClicks) {
  input.Handle(Motion(10, 20));
  input.Handle(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20));
  input.Handle(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 10, 20));
  input.Handle(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 11, 20));
  input.Handle(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 11, 20));
  input.Handle(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 1, 2));
  input.Handle(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 1, 2));
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"main WM_MOUSEMOVE 0 10,20", "main WM_LBUTTONDOWN 1 10,20", "main WM_LBUTTONUP 0 10,20",
                         "main WM_LBUTTONDBLCLK 1 11,20", "main WM_LBUTTONUP 0 11,20", "main WM_RBUTTONDOWN 2 1,2",
                         "main WM_RBUTTONUP 0 1,2"}));
  EXPECT_EQ(GetCursorPos(), (Point{101, 52}));
}

TEST_F(SdlInputTest, OnADenseScreenPointsAreScaledToPixels) {
  scale = 2;
  input.Handle(Motion(10, 20));
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"main WM_MOUSEMOVE 0 20,40"}));
}

TEST_F(SdlInputTest, EventsOfUnknownWindowsAndButtonsAreDropped) {
  input.Handle(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20, 99));
  input.Handle(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 10, 20));
  host.Pump();
  EXPECT_EQ(Take(), Seq{});
  EXPECT_FALSE(input.Handle(SDL_Event{SDL_WINDOWEVENT}));
}

SDL_Event Left() {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.windowID = kRealWindow;
  e.window.event = SDL_WINDOWEVENT_LEAVE;
  return e;
}

// Leaving the real window takes the pointer off every window, unless a button is held:
// then the press goes on where SDL goes on reporting it. The host still sees the event.
TEST_F(SdlInputTest, ThePointerLeavingTheWindowIsOverNoWindowUnlessAButtonIsHeld) {
  input.Handle(Motion(10, 20));
  input.Handle(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20));
  EXPECT_FALSE(input.Handle(Left()));
  EXPECT_EQ(GetCursorPos(), (Point{110, 70}));
  input.Handle(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 10, 20));
  EXPECT_FALSE(input.Handle(Left()));
  EXPECT_EQ(GetCursorPos(), kPointerOutside);
  EXPECT_FALSE(WindowFromPoint(GetCursorPos()));
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"main WM_MOUSEMOVE 0 10,20", "main WM_LBUTTONDOWN 1 10,20", "main WM_LBUTTONUP 0 10,20"}));
}

TEST_F(SdlInputTest, AKeyAndTheTextItTypesAreOneKeyDownWithItsCharacter) {
  input.Handle(Key(SDL_KEYDOWN, SDLK_a, SDL_SCANCODE_A));
  input.Handle(Text("a"));
  input.Handle(Key(SDL_KEYUP, SDLK_a, SDL_SCANCODE_A));
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"main WM_KEYDOWN 65", "main WM_CHAR 'a'", "main WM_KEYUP 65"}));
}

TEST_F(SdlInputTest, TypedTextIsCodePage1252) {
  input.Handle(Key(SDL_KEYDOWN, 0xE9, SDL_SCANCODE_2));  // é on a French keyboard
  input.Handle(Text("\xC3\xA9"));
  input.Handle(Text("\xE2\x82\xAC"));  // € from an input method: no key
  input.Handle(Text("\xE2\x86\x92"));  // an arrow: not in the page, left out
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"main WM_KEYDOWN 50", "main WM_CHAR '\xE9'", "main WM_CHAR '\x80'"}));
}

TEST_F(SdlInputTest, KeysWithoutTextGoOnWhenTheNextEventComesOrTheQueueIsEmpty) {
  input.Handle(Key(SDL_KEYDOWN, SDLK_LCTRL, SDL_SCANCODE_LCTRL, KMOD_LCTRL));
  input.Handle(Key(SDL_KEYDOWN, SDLK_c, SDL_SCANCODE_C, KMOD_LCTRL));
  input.Handle(Key(SDL_KEYUP, SDLK_c, SDL_SCANCODE_C, KMOD_LCTRL));
  input.Handle(Key(SDL_KEYDOWN, SDLK_F5, SDL_SCANCODE_F5));
  input.Flush();
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"main WM_KEYDOWN 17", "main WM_KEYDOWN 67", "main WM_KEYUP 67", "main WM_KEYDOWN 116"}));
}

TEST_F(SdlInputTest, EnterBackspaceTabAndEscapeTypeTheirControlCharacters) {
  for (SDL_Keycode key : {SDLK_RETURN, SDLK_BACKSPACE, SDLK_TAB, SDLK_ESCAPE}) {
    input.Handle(Key(SDL_KEYDOWN, key, SDL_GetScancodeFromKey(key)));
    input.Handle(Key(SDL_KEYUP, key, SDL_GetScancodeFromKey(key)));
  }
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"main WM_KEYDOWN 13", "main WM_CHAR '\r'", "main WM_KEYUP 13", "main WM_KEYDOWN 8",
                         "main WM_CHAR '\b'", "main WM_KEYUP 8", "main WM_KEYDOWN 9", "main WM_CHAR '\t'",
                         "main WM_KEYUP 9", "main WM_KEYDOWN 27", "main WM_CHAR '\x1B'", "main WM_KEYUP 27"}));
}

TEST_F(SdlInputTest, AltMakesSystemKeys) {
  input.Handle(Key(SDL_KEYDOWN, SDLK_LALT, SDL_SCANCODE_LALT, KMOD_LALT));
  input.Handle(Key(SDL_KEYDOWN, SDLK_x, SDL_SCANCODE_X, KMOD_LALT));
  input.Handle(Key(SDL_KEYUP, SDLK_x, SDL_SCANCODE_X, KMOD_LALT));
  input.Handle(Key(SDL_KEYUP, SDLK_LALT, SDL_SCANCODE_LALT));
  host.Pump();
  EXPECT_EQ(Take(), (Seq{"main WM_SYSKEYDOWN 18", "main WM_SYSKEYDOWN 88", "main WM_SYSKEYUP 88", "main WM_SYSKEYUP 18"}));
}

}  // namespace
}  // namespace qor::ui::testing
