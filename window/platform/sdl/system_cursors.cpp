#include "window/platform/sdl/system_cursors.h"

#include "window/platform/styles.h"

namespace qor::ui {
namespace {

// Stock cursor numbers past the three the core names.
constexpr uint16_t kCross = 32515;
constexpr uint16_t kSizeNwSe = 32642;
constexpr uint16_t kSizeNeSw = 32643;
constexpr uint16_t kSizeWe = 32644;
constexpr uint16_t kSizeNs = 32645;
constexpr uint16_t kSizeAll = 32646;
constexpr uint16_t kNo = 32648;
constexpr uint16_t kHand = 32649;
constexpr uint16_t kAppStarting = 32650;

// A cursor handle names its stock shape by number.
uint16_t StockIdOf(CursorHandle cursor) {
  auto value = static_cast<uintptr_t>(cursor);
  return value >= IDC_ARROW && value <= kAppStarting ? static_cast<uint16_t>(value) : IDC_ARROW;
}

}  // namespace

SDL_SystemCursor SystemCursorFor(uint16_t stockId) {
  switch (stockId) {
    case IDC_IBEAM: return SDL_SYSTEM_CURSOR_IBEAM;
    case IDC_WAIT: return SDL_SYSTEM_CURSOR_WAIT;
    case kCross: return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case kSizeNwSe: return SDL_SYSTEM_CURSOR_SIZENWSE;
    case kSizeNeSw: return SDL_SYSTEM_CURSOR_SIZENESW;
    case kSizeWe: return SDL_SYSTEM_CURSOR_SIZEWE;
    case kSizeNs: return SDL_SYSTEM_CURSOR_SIZENS;
    case kSizeAll: return SDL_SYSTEM_CURSOR_SIZEALL;
    case kNo: return SDL_SYSTEM_CURSOR_NO;
    case kHand: return SDL_SYSTEM_CURSOR_HAND;
    case kAppStarting: return SDL_SYSTEM_CURSOR_WAITARROW;
    default: return SDL_SYSTEM_CURSOR_ARROW;
  }
}

SystemCursors::~SystemCursors() {
  for (auto& [shape, cursor] : made_) SDL_FreeCursor(cursor);
}

void SystemCursors::Show(CursorHandle cursor) {
  SDL_SystemCursor shape = SystemCursorFor(StockIdOf(cursor));
  SDL_Cursor*& made = made_[shape];
  if (!made) made = SDL_CreateSystemCursor(shape);
  if (made) SDL_SetCursor(made);
}

}  // namespace qor::ui
