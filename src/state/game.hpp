// Game: the whole state of one running program — settings, chance, the world and its screen model.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "state/labels.hpp"
#include "state/random.hpp"
#include "state/settings.hpp"

namespace zaldrun {

class Io;

// PromptState values: the protocol between the message line's waits and the key handlers.
namespace prompt {
inline constexpr uint8_t kIdle = 0;
inline constexpr uint8_t kYes = 1;
inline constexpr uint8_t kWaiting = 2;
inline constexpr uint8_t kGameOver = 166;
}  // namespace prompt

struct Game {
  // The program folder: data files, Zaldrun.ini, Messages.log, Save/.
  std::filesystem::path folder;
  Settings settings = DefaultSettings();
  Random random;
  Io* io = nullptr;

  uint8_t prompt_state = prompt::kIdle;
  // The map field is visible: a game is in progress.
  bool game_in_progress = false;
  // Set when the game was saved (or there was none); clear means a character record is due.
  bool saved = false;
  uint8_t end_reason = 0;

  std::string message_line;
  StatusLabels labels;

  std::filesystem::path SettingsPath() const { return folder / std::string(kSettingsFileName); }
  std::filesystem::path LogPath() const { return folder / "Messages.log"; }
  std::filesystem::path SaveFolder() const { return folder / "Save"; }
};

}  // namespace zaldrun
