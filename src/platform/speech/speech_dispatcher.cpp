#include "platform/speech/speech_dispatcher.hpp"

#include <libspeechd.h>

#include <cstdlib>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
// libspeechd loses one error text of its own (a glib printf) when it finds no service to connect
// to; the quick unwinder stops inside libc, so that frame names it too.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:spd_open2\nleak:__vasprintf_internal\n";
}
#endif

namespace platform {
namespace {

class SpeechDispatcherSpeaker final : public Speaker {
 public:
  ~SpeechDispatcherSpeaker() override { Close(); }

  bool Say(std::string_view text, bool interrupt) override {
    if (!Connect()) return false;
    if (interrupt) spd_cancel(connection_);
    const std::string copy(text);
    // A failed hand-over means the service went away: the next text connects afresh.
    if (spd_say(connection_, SPD_TEXT, copy.c_str()) < 0) {
      Close();
      return false;
    }
    return true;
  }

  void Stop() override {
    if (connection_ != nullptr) spd_cancel(connection_);
  }

 private:
  bool Connect() {
    if (connection_ != nullptr) return true;
    char* error = nullptr;
    connection_ = spd_open2("zaldrun", "main", nullptr, SPD_MODE_SINGLE, nullptr, 1, &error);
    std::free(error);
    if (connection_ == nullptr) return false;
    // The game's texts are Russian; voice, rate and module stay the player's.
    spd_set_language(connection_, "ru");
    return true;
  }

  void Close() {
    if (connection_ != nullptr) spd_close(connection_);
    connection_ = nullptr;
  }

  SPDConnection* connection_ = nullptr;
};

}  // namespace

std::unique_ptr<Speaker> CreateSpeechDispatcherSpeaker() {
  return std::make_unique<SpeechDispatcherSpeaker>();
}

}  // namespace platform
