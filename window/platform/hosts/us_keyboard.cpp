#include "window/platform/hosts/us_keyboard.h"

#include "window/platform/core/keys.h"

namespace qor::ui {

namespace {

struct Punctuation {
  uint32_t key;
  char plain;
  char shifted;
};

constexpr Punctuation kPunctuation[] = {
    {VK_OEM_1, ';', ':'},      {VK_OEM_PLUS, '=', '+'},  {VK_OEM_COMMA, ',', '<'}, {VK_OEM_MINUS, '-', '_'},
    {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},     {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},
    {VK_OEM_5, '\\', '|'},     {VK_OEM_6, ']', '}'},     {VK_OEM_7, '\'', '"'},
};

constexpr char kShiftedDigits[] = ")!@#$%^&*(";

}  // namespace

uint32_t UsKeyboardCharacter(uint32_t keyCode, bool shift) {
  if (keyCode >= 'A' && keyCode <= 'Z') return shift ? keyCode : keyCode - 'A' + 'a';
  if (keyCode >= '0' && keyCode <= '9') return shift ? static_cast<uint8_t>(kShiftedDigits[keyCode - '0']) : keyCode;
  if (keyCode >= VK_NUMPAD0 && keyCode <= VK_NUMPAD0 + 9) return '0' + (keyCode - VK_NUMPAD0);
  for (const Punctuation& p : kPunctuation) {
    if (p.key == keyCode) return static_cast<uint8_t>(shift ? p.shifted : p.plain);
  }
  switch (keyCode) {
    case VK_SPACE: return ' ';
    case VK_RETURN: return '\r';
    case VK_BACK: return '\b';
    case VK_TAB: return '\t';
    case VK_ESCAPE: return 0x1B;
    case VK_MULTIPLY: return '*';
    case VK_ADD: return '+';
    case VK_SUBTRACT: return '-';
    case VK_DECIMAL: return '.';
    case VK_DIVIDE: return '/';
    default: return 0;
  }
}

uint32_t UsKeyboardKeyFor(char character, bool& shift) {
  shift = false;
  if (character >= 'a' && character <= 'z') return static_cast<uint32_t>(character - 'a' + 'A');
  if (character >= 'A' && character <= 'Z') {
    shift = true;
    return static_cast<uint32_t>(character);
  }
  if (character >= '0' && character <= '9') return static_cast<uint32_t>(character);
  for (int digit = 0; digit < 10; ++digit) {
    if (kShiftedDigits[digit] == character) {
      shift = true;
      return static_cast<uint32_t>('0' + digit);
    }
  }
  for (const Punctuation& p : kPunctuation) {
    if (p.plain == character) return p.key;
    if (p.shifted == character) {
      shift = true;
      return p.key;
    }
  }
  switch (character) {
    case ' ': return VK_SPACE;
    case '\r': case '\n': return VK_RETURN;
    case '\t': return VK_TAB;
    case '\b': return VK_BACK;
    default: return 0;
  }
}

}  // namespace qor::ui
