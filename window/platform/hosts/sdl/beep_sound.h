#pragma once
// The beep: a short tone on the default sound device, opened on the first beep; each of
// the system's sounds (MessageBeep) has its own pitch. Without a sound device the caller
// flashes the window instead.
#include <SDL.h>

#include <cstdint>

namespace qor::ui {

class BeepSound {
 public:
  BeepSound() = default;
  ~BeepSound();
  BeepSound(const BeepSound&) = delete;
  BeepSound& operator=(const BeepSound&) = delete;

  // Plays a sound of MessageBeep (MB_OK, MB_ICONHAND, ..., kSimpleBeep), cutting short the
  // one playing. False if no sound device could be opened.
  bool Play(uint32_t sound);

 private:
  bool Open();

  SDL_AudioDeviceID device_ = 0;
  bool failed_ = false;
  int rate_ = 0;
};

}  // namespace qor::ui
