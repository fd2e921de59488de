#include "platform/sdl/sdl_beep.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform {
namespace {

constexpr int kSampleRate = 44100;
constexpr double kPitchHz = 880.0;
constexpr int kLengthMs = 90;
constexpr int kFadeMs = 5;  // soft edges, so the tone does not click
constexpr double kVolume = 0.2;

std::vector<int16_t> MakeTone() {
  const int samples = kSampleRate * kLengthMs / 1000;
  const int fade = kSampleRate * kFadeMs / 1000;
  std::vector<int16_t> tone(samples);
  for (int i = 0; i < samples; ++i) {
    const double envelope =
        std::min({1.0, static_cast<double>(i) / fade, static_cast<double>(samples - 1 - i) / fade});
    const double wave = std::sin(2.0 * std::numbers::pi * kPitchHz * i / kSampleRate);
    tone[i] = static_cast<int16_t>(wave * envelope * kVolume * 32767.0);
  }
  return tone;
}

}  // namespace

SdlBeeper::~SdlBeeper() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (audio_started_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlBeeper::Play() {
  if (!tried_) {
    tried_ = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    audio_started_ = true;
    SDL_AudioSpec wanted{};
    wanted.freq = kSampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = 1024;
    // No changes allowed: SDL converts to whatever the device plays.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device_ == 0) return;
    tone_ = MakeTone();
    SDL_PauseAudioDevice(device_, 0);
  }
  if (device_ == 0) return;
  // A beep replaces one still playing rather than queueing behind it.
  SDL_ClearQueuedAudio(device_);
  SDL_QueueAudio(device_, tone_.data(), static_cast<Uint32>(tone_.size() * sizeof(int16_t)));
}

}  // namespace platform
