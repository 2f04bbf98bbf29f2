#include "window/platform/draw/system_colors.h"

#include <array>
#include <atomic>

namespace qor::ui {

namespace {

constexpr std::array<ColorRef, kSystemColorCount> kClassic = {
    RGB(192, 192, 192),  // scroll bar
    RGB(0, 128, 128),    // desktop
    RGB(0, 0, 128),      // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(192, 192, 192),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(192, 192, 192),  // active border
    RGB(192, 192, 192),  // inactive border
    RGB(128, 128, 128),  // application work space
    RGB(0, 0, 128),      // highlight
    RGB(255, 255, 255),  // highlighted text
    RGB(192, 192, 192),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(192, 192, 192),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(0, 0, 0),        // 3-D dark shadow
    RGB(192, 192, 192),  // 3-D light
    RGB(0, 0, 0),        // tool-tip text
    RGB(255, 255, 225),  // tool-tip background
    RGB(0, 0, 0),        // (no colour)
    RGB(0, 0, 128),      // hot-tracked item
    RGB(166, 202, 240),  // active caption gradient
    RGB(192, 192, 192),  // inactive caption gradient
    RGB(0, 0, 128),      // highlighted menu item
    RGB(192, 192, 192),  // menu bar
};

// Read from any thread while a host may change the scheme: each colour is one word.
struct SchemeColors {
  SchemeColors() {
    for (int i = 0; i < kSystemColorCount; ++i) colors[i] = kClassic[i];
  }
  std::array<std::atomic<ColorRef>, kSystemColorCount> colors;
};

std::array<std::atomic<ColorRef>, kSystemColorCount>& Scheme() {
  static SchemeColors scheme;
  return scheme.colors;
}

bool Names(int index) { return index >= 0 && index < kSystemColorCount && index != 25; }

}  // namespace

ColorRef GetSysColor(int index) { return Names(index) ? Scheme()[index].load() : RGB(0, 0, 0); }

bool SetSysColor(int index, ColorRef color) {
  if (!Names(index)) return false;
  Scheme()[index] = color & 0x00FFFFFF;
  return true;
}

void ResetSysColors() {
  for (int i = 0; i < kSystemColorCount; ++i) Scheme()[i] = kClassic[i];
}

}  // namespace qor::ui
