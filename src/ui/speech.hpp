// Spoken Russian for players who cannot see the screen. Each time the game waits for a key the
// narrator reads out what is new: the messages shown since the last wait, then the entry that has
// the focus in the window on top when it changed. The first of them cuts off whatever is still
// being spoken, so the player never hears a queue of stale messages.
#pragma once

#include <string>
#include <vector>

namespace zaldrun {

struct Game;
class Layer;

class Narrator {
 public:
  explicit Narrator(Game& game) : game_(game) {}

  // Speech is on (the setting, or --speech) and a speech service is there to be asked.
  bool On() const;
  // Called by the screen before each wait for a key, with the layer on top.
  void BeforeKey(const Layer* top);
  // Reaches the speech service when speech is on; where there is none, says so once on the
  // message line and goes on silent.
  void Start();

  // The keys of play: speech on and off (kept in the settings), the last messages again, and
  // where the hero is and what he sees (on the message line, and so spoken).
  void Toggle();
  void RepeatLast();
  void TellSurroundings();

  static constexpr const char* kNoService =
      "Нет службы речи (speech-dispatcher): сообщения не будут озвучены.";
  static constexpr const char* kSpeechOn = "Озвучивание включено.";
  static constexpr const char* kSpeechOff = "Озвучивание выключено.";
  static constexpr const char* kNothingToRepeat = "Сообщений ещё не было.";

 private:
  // Hands a text to the speaker; on failure, tells the player once and falls silent.
  void Say(const std::string& text, bool interrupt);

  Game& game_;
  // The messages spoken together last, for the repeat key.
  std::vector<std::string> last_messages_;
  std::string last_focus_;
  // The service was not there: silent until the player turns speech on again (by the key, or in
  // the settings window: `setting_was_on_` notices that).
  bool unavailable_ = false;
  bool setting_was_on_ = false;
  // A notice shown from inside a wait may wait itself: that inner wait speaks nothing.
  bool busy_ = false;
};

}  // namespace zaldrun
