#pragma once
// The beep: a short tone on the default sound device, opened on the first beep. Without a
// sound device the caller flashes the window instead.
#include <SDL.h>

namespace qor::ui {

class BeepSound {
 public:
  BeepSound() = default;
  ~BeepSound();
  BeepSound(const BeepSound&) = delete;
  BeepSound& operator=(const BeepSound&) = delete;

  // False if no sound device could be opened.
  bool Play();

 private:
  bool Open();

  SDL_AudioDeviceID device_ = 0;
  bool failed_ = false;
  int rate_ = 0;
};

}  // namespace qor::ui
