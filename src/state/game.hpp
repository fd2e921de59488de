// Game: the whole state of one running program — settings, chance, the data files, the world
// (level, piles, events, hero) and the screen model the windows draw from.
#pragma once

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "state/field_model.hpp"
#include "state/hero.hpp"
#include "state/hooks.hpp"
#include "state/item_data.hpp"
#include "state/labels.hpp"
#include "state/monster_data.hpp"
#include "state/places_data.hpp"
#include "state/random.hpp"
#include "state/registry.hpp"
#include "state/settings.hpp"
#include "state/world.hpp"

namespace zaldrun {

class Io;

// PromptState values: the protocol between the message line's waits and the key handlers.
namespace prompt {
inline constexpr uint8_t kIdle = 0;
inline constexpr uint8_t kYes = 1;
inline constexpr uint8_t kWaiting = 2;
inline constexpr uint8_t kGameOver = 166;
}  // namespace prompt

// The place and level of the overworld.
inline constexpr int16_t kOverworldPlace = 1;
inline constexpr int16_t kOverworldLevel = 100;

// The number/answer entry box and the answer list of conversations.
struct EntryBox {
  bool visible = false;
  std::string text;
};
struct AnswerList {
  bool visible = false;
  int16_t tag = 0;  // 0: a choice hides the list again
  std::vector<std::string> lines;
  int selected = 0;
};

struct Game {
  Game();

  // The program folder: data files, Zaldrun.ini, Messages.log, Save/.
  std::filesystem::path folder;
  // Where the data files are read from when not from the program folder (the build folder for a
  // game run with --dir, or for tests).
  std::filesystem::path data_folder;
  Settings settings = DefaultSettings();
  Random random;
  Io* io = nullptr;
  Hooks hooks;

  // The game's data files, loaded once per run.
  MonsterData monster_data;
  ItemData item_data;
  PlacesData places_data;

  // The world.
  Level level;
  std::vector<PileRecord> piles;                   // 0..261; pile 0 is the hero's pack
  std::array<EventSlot, kMaxEvents + 1> events{};  // slots 1..100
  uint8_t event_count = 0;
  Hero hero;
  int16_t current_place = 0;
  int16_t current_level = 0;

  // Control state.
  uint8_t prompt_state = prompt::kIdle;
  int16_t current_slot = 0;
  // The map field is visible: a game is in progress.
  bool game_in_progress = false;
  // Set when the game was saved (or there was none); clear means a character record is due.
  bool saved = false;
  uint8_t end_reason = 0;
  // Set by whatever ends the game or the program (the quit command, a key after death): the main
  // window closes once the current key is handled.
  bool unload_requested = false;
  // The command that opened the window or prompt now waiting ("None", "Chat", "Zap", "Read",
  // "Shoot", "PickUp", …) and the effect handler of the item being used.
  std::string pending_operation = "None";
  std::string effect_handler;
  int16_t cursor_x = 0;
  int16_t cursor_y = 0;
  int16_t target_monster = 0;
  // The cell chosen with the cursor for an item's effect.
  int16_t target_x = 0;
  int16_t target_y = 0;

  // The screen model.
  std::string message_line;
  StatusLabels labels;
  FieldModel field;
  EntryBox number_input;
  AnswerList chat;

  // Slots removed while the monster pass runs, so it neither skips nor repeats a monster.
  std::vector<int> removed_monster_slots;

  // The handler tables that names are looked up in; empty means the game's own. Tests put in
  // tables of their own to watch the turn cycle call them.
  const Registry<void (*)(Game&)>* event_handlers = nullptr;
  const Registry<void (*)(Game&, int)>* behaviours = nullptr;

  // Handler names already reported as unknown (each is reported once).
  std::set<std::string> reported_names;

  std::filesystem::path SettingsPath() const { return folder / std::string(kSettingsFileName); }
  std::filesystem::path LogPath() const { return folder / "Messages.log"; }
  std::filesystem::path SaveFolder() const { return folder / "Save"; }
  const std::filesystem::path& DataFolder() const {
    return data_folder.empty() ? folder : data_folder;
  }
  bool OnOverworld() const {
    return current_place == kOverworldPlace && current_level == kOverworldLevel;
  }
  bool GameOver() const { return prompt_state == prompt::kGameOver; }
};

}  // namespace zaldrun
