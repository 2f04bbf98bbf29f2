#pragma once
// The stock cursor shapes as the desktop's own cursors.
#include <SDL.h>

#include <cstdint>
#include <map>

#include "window/platform/types.h"

namespace qor::ui {

// The desktop's cursor for a stock cursor number (IDC_*); the arrow for any other.
SDL_SystemCursor SystemCursorFor(uint16_t stockId);

// Made on first use and kept; SDL's own cursors are freed when the set is destroyed.
class SystemCursors {
 public:
  SystemCursors() = default;
  ~SystemCursors();
  SystemCursors(const SystemCursors&) = delete;
  SystemCursors& operator=(const SystemCursors&) = delete;

  // Shows the shape; null shows the arrow.
  void Show(CursorHandle cursor);

 private:
  std::map<SDL_SystemCursor, SDL_Cursor*> made_;
};

}  // namespace qor::ui
