#pragma once
// The stock cursor shapes as the desktop's own cursors.
#include <SDL.h>

#include <map>

#include "window/platform/core/types.h"
#include "window/platform/resources/cursor.h"

namespace qor::ui {

// The desktop's cursor for a shape; the arrow for shapes it has none of (up arrow, help).
SDL_SystemCursor SystemCursorFor(CursorShape shape);

// Made on first use and kept; SDL's own cursors are freed when the set is destroyed.
class SystemCursors {
 public:
  SystemCursors() = default;
  ~SystemCursors();
  SystemCursors(const SystemCursors&) = delete;
  SystemCursors& operator=(const SystemCursors&) = delete;

  // Shows the cursor's shape; no cursor hides it.
  void Show(CursorHandle cursor);

 private:
  std::map<SDL_SystemCursor, SDL_Cursor*> made_;
};

}  // namespace qor::ui
