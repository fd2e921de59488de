// Speech for players who listen rather than look: a text handed over is spoken in the background
// while the game goes on.
#pragma once

#include <string_view>

namespace platform {

class Speaker {
 public:
  virtual ~Speaker() = default;

  // Hands the UTF-8 text over and returns at once. With `interrupt`, what is still being spoken,
  // and whatever waits to be, is dropped first. Returns false when there is no speech service.
  virtual bool Say(std::string_view text, bool interrupt) = 0;
  // Silences what is being spoken.
  virtual void Stop() = 0;
};

}  // namespace platform
