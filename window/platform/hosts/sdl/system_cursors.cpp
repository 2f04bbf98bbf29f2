#include "window/platform/hosts/sdl/system_cursors.h"

namespace qor::ui {

SDL_SystemCursor SystemCursorFor(CursorShape shape) {
  switch (shape) {
    case CursorShape::IBeam: return SDL_SYSTEM_CURSOR_IBEAM;
    case CursorShape::Wait: return SDL_SYSTEM_CURSOR_WAIT;
    case CursorShape::Cross: return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case CursorShape::SizeNWSE: return SDL_SYSTEM_CURSOR_SIZENWSE;
    case CursorShape::SizeNESW: return SDL_SYSTEM_CURSOR_SIZENESW;
    case CursorShape::SizeWE: return SDL_SYSTEM_CURSOR_SIZEWE;
    case CursorShape::SizeNS: return SDL_SYSTEM_CURSOR_SIZENS;
    case CursorShape::SizeAll: return SDL_SYSTEM_CURSOR_SIZEALL;
    case CursorShape::No: return SDL_SYSTEM_CURSOR_NO;
    case CursorShape::Hand: return SDL_SYSTEM_CURSOR_HAND;
    case CursorShape::AppStarting: return SDL_SYSTEM_CURSOR_WAITARROW;
    default: return SDL_SYSTEM_CURSOR_ARROW;
  }
}

SystemCursors::~SystemCursors() {
  for (auto& [shape, cursor] : made_) SDL_FreeCursor(cursor);
}

void SystemCursors::Show(CursorHandle cursor) {
  CursorShape shape = GetCursorShape(cursor);
  if (shape == CursorShape::None) {
    SDL_ShowCursor(SDL_DISABLE);
    return;
  }
  SDL_SystemCursor system = SystemCursorFor(shape);
  SDL_Cursor*& made = made_[system];
  if (!made) made = SDL_CreateSystemCursor(system);
  if (made) SDL_SetCursor(made);
  SDL_ShowCursor(SDL_ENABLE);
}

}  // namespace qor::ui
