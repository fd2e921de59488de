// The speaker of the desktop: speech-dispatcher, through libspeechd, with the player's own voice,
// rate and output module.
#pragma once

#include <memory>

#include "platform/speech/speaker.hpp"

namespace platform {

// Connects on the first text (starting the service as the desktop would, where it may be
// started) and again after a lost connection. The address is the service's own choice:
// SPEECHD_ADDRESS or the user's default socket.
std::unique_ptr<Speaker> CreateSpeechDispatcherSpeaker();

}  // namespace platform
