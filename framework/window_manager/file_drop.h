#pragma once
// A file-drop list registered with a window manager, seen only through the operations the
// manager calls on it.
#include <cstdint>

namespace qor::fw {

class FileDrop {
 public:
  virtual ~FileDrop() = default;
  virtual void Release() = 0;
  virtual void TakeEvent() = 0;
  virtual void Reset(uint8_t force) = 0;
};

}  // namespace qor::fw
