// SDL's keys as the core's key codes.
#include "window/platform/hosts/sdl/sdl_keys.h"

#include <gtest/gtest.h>

#include "window/platform/core/keys.h"

namespace qor::ui {
namespace {

TEST(SdlKeys, LettersDigitsAndFunctionKeys) {
  EXPECT_EQ(KeyCodeFromSdl(SDLK_a, SDL_SCANCODE_A), 'A');
  EXPECT_EQ(KeyCodeFromSdl(SDLK_z, SDL_SCANCODE_Y), 'Z');  // a German keyboard: the layout decides
  EXPECT_EQ(KeyCodeFromSdl(SDLK_7, SDL_SCANCODE_7), '7');
  EXPECT_EQ(KeyCodeFromSdl(SDLK_F1, SDL_SCANCODE_F1), VK_F1);
  EXPECT_EQ(KeyCodeFromSdl(SDLK_F12, SDL_SCANCODE_F12), VK_F12);
  EXPECT_EQ(KeyCodeFromSdl(SDLK_F13, SDL_SCANCODE_F13), VK_F12 + 1);
  EXPECT_EQ(KeyCodeFromSdl(SDLK_KP_0, SDL_SCANCODE_KP_0), VK_NUMPAD0);
  EXPECT_EQ(KeyCodeFromSdl(SDLK_KP_9, SDL_SCANCODE_KP_9), VK_NUMPAD0 + 9);
}

TEST(SdlKeys, ModifiersOnEitherSideAreOneKey) {
  EXPECT_EQ(KeyCodeFromSdl(SDLK_LSHIFT, SDL_SCANCODE_LSHIFT), VK_SHIFT);
  EXPECT_EQ(KeyCodeFromSdl(SDLK_RSHIFT, SDL_SCANCODE_RSHIFT), VK_SHIFT);
  EXPECT_EQ(KeyCodeFromSdl(SDLK_RCTRL, SDL_SCANCODE_RCTRL), VK_CONTROL);
  EXPECT_EQ(KeyCodeFromSdl(SDLK_RALT, SDL_SCANCODE_RALT), VK_MENU);
}

TEST(SdlKeys, EditingKeysAndPunctuation) {
  EXPECT_EQ(KeyCodeFromSdl(SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER), VK_RETURN);
  EXPECT_EQ(KeyCodeFromSdl(SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN), VK_NEXT);
  EXPECT_EQ(KeyCodeFromSdl(SDLK_DELETE, SDL_SCANCODE_DELETE), VK_DELETE);
  EXPECT_EQ(KeyCodeFromSdl(SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON), VK_OEM_1);
  EXPECT_EQ(KeyCodeFromSdl(SDLK_QUOTE, SDL_SCANCODE_APOSTROPHE), VK_OEM_7);
}

TEST(SdlKeys, KeysOfOtherLayoutsTakeTheirUsPlace) {
  EXPECT_EQ(KeyCodeFromSdl(0xFC, SDL_SCANCODE_LEFTBRACKET), VK_OEM_4);  // u umlaut
  EXPECT_EQ(KeyCodeFromSdl(0x431, SDL_SCANCODE_COMMA), VK_OEM_COMMA);  // a Cyrillic letter
  EXPECT_EQ(KeyCodeFromSdl(0x444, SDL_SCANCODE_A), 'A');
  EXPECT_EQ(KeyCodeFromSdl(0xE9, SDL_SCANCODE_2), '2');  // e acute on a French keyboard
  EXPECT_EQ(KeyCodeFromSdl(SDLK_VOLUMEUP, SDL_SCANCODE_VOLUMEUP), 0u);
}

TEST(SdlKeys, ControlCharacters) {
  EXPECT_EQ(ControlCharacterOf(VK_RETURN), '\r');
  EXPECT_EQ(ControlCharacterOf(VK_ESCAPE), 0x1Bu);
  EXPECT_EQ(ControlCharacterOf('A'), 0u);
}

}  // namespace
}  // namespace qor::ui
