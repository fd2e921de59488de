#include "ui/speech.hpp"

#include <utility>

#include "engine/message_line.hpp"
#include "model/game.hpp"
#include "platform/speech/speaker.hpp"
#include "ui/screen.hpp"
#include "ui/surroundings.hpp"

namespace zaldrun {
namespace {

constexpr const char* kGreeting = "Залдрун. Меню — F10 или Escape.";

}  // namespace

bool Narrator::On() const { return game_.session.settings.speech != 0 && !unavailable_; }

void Narrator::Start() {
  if (game_.session.speech_from_command_line) game_.session.settings.speech = 1;
  Say(kGreeting, true);
}

void Narrator::BeforeKey(const Layer* top) {
  if (busy_) return;
  busy_ = true;
  const bool setting_on = game_.session.settings.speech != 0;
  if (setting_on && !setting_was_on_) unavailable_ = false;
  setting_was_on_ = setting_on;
  std::vector<std::string> news = std::move(game_.view.unspoken);
  game_.view.unspoken.clear();
  std::string focus = top != nullptr ? top->SpokenText() : std::string();
  const bool focus_moved = focus != last_focus_;
  last_focus_ = focus;
  bool interrupt = true;
  for (const std::string& text : news) {
    Say(text, interrupt);
    interrupt = false;
  }
  if (focus_moved && !focus.empty()) Say(focus, interrupt);
  if (!news.empty()) last_messages_ = std::move(news);
  busy_ = false;
}

void Narrator::Say(const std::string& text, bool interrupt) {
  if (!On()) return;
  platform::Speaker* speaker = game_.session.speaker;
  if (speaker != nullptr && speaker->Say(text, interrupt)) return;
  unavailable_ = true;
  ShowMessage(game_, kNoService);
}

void Narrator::Toggle() {
  Settings& settings = game_.session.settings;
  if (On()) {
    Say(kSpeechOff, true);
    settings.speech = 0;
  } else {
    settings.speech = 1;
    unavailable_ = false;
  }
  const std::string error = WriteControls(game_.session.SettingsPath(), settings);
  ShowMessage(game_, settings.speech != 0 ? kSpeechOn : kSpeechOff, msg::kNoLog);
  if (!error.empty()) ShowMessage(game_, error, msg::kNoLog);
}

void Narrator::RepeatLast() {
  if (last_messages_.empty()) {
    ShowMessage(game_, kNothingToRepeat, msg::kNoLog);
    return;
  }
  const std::vector<std::string> messages = last_messages_;
  for (const std::string& text : messages) ShowMessage(game_, text, msg::kNoLog);
}

void Narrator::TellSurroundings() {
  ShowMessage(game_, DescribeSurroundings(game_), msg::kNoLog);
}

}  // namespace zaldrun
