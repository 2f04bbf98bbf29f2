#include "window/platform/hosts/sdl/beep_sound.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "window/platform/core/input.h"

namespace qor::ui {
namespace {

constexpr double kLength = 0.12;      // seconds
constexpr double kFade = 0.01;        // seconds at either end, so that it does not click
constexpr double kLoudness = 0.25;

// Hz: a low tone for stop, higher ones for the milder sounds.
double PitchOf(uint32_t sound) {
  switch (sound) {
    case MB_ICONHAND: return 440;
    case MB_ICONQUESTION: return 660;
    case MB_ICONEXCLAMATION: return 587;
    case MB_ICONASTERISK: return 1047;
    case kSimpleBeep: return 750;
    default: return 880;
  }
}

std::vector<int16_t> Tone(int rate, double pitch) {
  auto count = static_cast<size_t>(rate * kLength);
  std::vector<int16_t> samples(count);
  for (size_t i = 0; i < count; ++i) {
    double t = static_cast<double>(i) / rate;
    double envelope = std::min({1.0, t / kFade, (kLength - t) / kFade});
    samples[i] = static_cast<int16_t>(32767 * kLoudness * envelope * std::sin(2 * M_PI * pitch * t));
  }
  return samples;
}

// Whether a sound device is likely to be there: a sound server's socket or a sound card.
// Without one, asking the sound library anyway fills standard error with its complaints
// (and may leave a folder of its settings in the home directory), so it is not asked:
// the caller flashes instead. A driver named in SDL_AUDIODRIVER is always tried.
bool SoundDeviceLikely() {
  if (SDL_getenv("SDL_AUDIODRIVER") || SDL_getenv("PULSE_SERVER")) return true;
  std::error_code ignored;
  if (const char* runtime = SDL_getenv("XDG_RUNTIME_DIR")) {
    std::filesystem::path dir(runtime);
    if (std::filesystem::exists(dir / "pulse" / "native", ignored) ||
        std::filesystem::exists(dir / "pipewire-0", ignored))
      return true;
  }
  for (const auto& entry : std::filesystem::directory_iterator("/dev/snd", ignored))
    if (entry.path().filename().string().starts_with("pcmC")) return true;
  return false;
}

}  // namespace

BeepSound::~BeepSound() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
}

bool BeepSound::Open() {
  if (device_ != 0) return true;
  if (failed_) return false;
  if (!SoundDeviceLikely() || SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    failed_ = true;
    return false;
  }
  SDL_AudioSpec wanted{};
  wanted.freq = 48000;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 1;
  wanted.samples = 1024;
  SDL_AudioSpec got{};
  device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &got, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
  failed_ = device_ == 0;
  rate_ = got.freq;
  return !failed_;
}

bool BeepSound::Play(uint32_t sound) {
  if (!Open()) return false;
  std::vector<int16_t> samples = Tone(rate_, PitchOf(sound));
  SDL_ClearQueuedAudio(device_);
  SDL_QueueAudio(device_, samples.data(), static_cast<Uint32>(samples.size() * sizeof(int16_t)));
  SDL_PauseAudioDevice(device_, 0);
  return true;
}

}  // namespace qor::ui
