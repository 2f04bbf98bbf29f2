#pragma once
// A window's resizer, seen only through what a window manager asks of it as it shuts
// down.
namespace qor::fw {

class Resizer {
 public:
  virtual ~Resizer() = default;
  // Removes its Sized handler from the window and disposes its lists.
  virtual void Remove() = 0;
};

}  // namespace qor::fw
