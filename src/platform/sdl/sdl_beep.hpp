// The window's beep: a short tone through SDL audio, or silence when no audio device opens.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

namespace platform {

class SdlBeeper {
 public:
  SdlBeeper() = default;
  ~SdlBeeper();
  SdlBeeper(const SdlBeeper&) = delete;
  SdlBeeper& operator=(const SdlBeeper&) = delete;

  // Plays the tone. The audio device is opened on the first beep; if that fails, every beep is
  // silent and nothing else happens.
  void Play();
  bool has_device() const { return device_ != 0; }

 private:
  bool tried_ = false;
  bool audio_started_ = false;
  SDL_AudioDeviceID device_ = 0;
  std::vector<int16_t> tone_;
};

}  // namespace platform
