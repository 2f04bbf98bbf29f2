#pragma once
// The basic types of the windowing core: window handles, points and rectangles in
// pixels, message parameters and the message record a queue holds.
#include <cstdint>
#include <string>

namespace qor::ui {

using WParam = uintptr_t;
using LParam = intptr_t;
using LResult = intptr_t;

// A window handle. Handles count up from 1 and are never reused while the process
// lives, so a handle kept after its window was destroyed is simply not valid any more.
struct Hwnd {
  uint32_t value = 0;
  constexpr explicit operator bool() const { return value != 0; }
  constexpr bool operator==(const Hwnd&) const = default;
  // Handles travel in message parameters (the window losing focus, and so on).
  constexpr WParam AsParam() const { return value; }
  static constexpr Hwnd FromParam(uintptr_t param) { return Hwnd{static_cast<uint32_t>(param)}; }
};

struct Point {
  int x = 0;
  int y = 0;
  constexpr bool operator==(const Point&) const = default;
};

struct Size {
  int cx = 0;
  int cy = 0;
  constexpr bool operator==(const Size&) const = default;
};

// A rectangle; right and bottom lie just outside it.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  constexpr bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  constexpr Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  constexpr bool operator==(const Rect&) const = default;
};

Rect Union(const Rect& a, const Rect& b);
Rect Intersection(const Rect& a, const Rect& b);

// A point packed in a message parameter: x in the low 16 bits, y in the next 16, both
// signed, as mouse messages carry it.
constexpr LParam PackPoint(int x, int y) {
  return static_cast<LParam>(static_cast<uint32_t>(static_cast<uint16_t>(x)) |
                             (static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16));
}
constexpr LParam PackWords(unsigned low, unsigned high) { return PackPoint(static_cast<int>(low), static_cast<int>(high)); }
constexpr int LowWordSigned(LParam p) { return static_cast<int16_t>(static_cast<uint16_t>(p & 0xFFFF)); }
constexpr int HighWordSigned(LParam p) { return static_cast<int16_t>(static_cast<uint16_t>((p >> 16) & 0xFFFF)); }
constexpr unsigned LowWord(uintptr_t p) { return static_cast<unsigned>(p & 0xFFFF); }
constexpr unsigned HighWord(uintptr_t p) { return static_cast<unsigned>((p >> 16) & 0xFFFF); }
constexpr Point UnpackPoint(LParam p) { return {LowWordSigned(p), HighWordSigned(p)}; }

// One message as a queue holds it and a window procedure receives it.
struct Msg {
  Hwnd hwnd;
  uint32_t message = 0;
  WParam wParam = 0;
  LParam lParam = 0;
  uint64_t time = 0;   // tick count when it was queued
  Point pt;            // cursor position on the screen when it was queued
  uint32_t character = 0;  // for key-down messages: the character the key types, for TranslateMessage
};

using WindowProc = LResult (*)(Hwnd, uint32_t message, WParam, LParam);
using TimerProc = void (*)(Hwnd, uint32_t message, uintptr_t id, uint64_t ticks);

// Icons and cursors are made by the drawing layer; the core only carries their handles.
enum class IconHandle : uintptr_t { None = 0 };
enum class CursorHandle : uintptr_t { None = 0 };

}  // namespace qor::ui
