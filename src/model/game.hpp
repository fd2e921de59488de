// Game: one running program in named parts — the session (folder, settings, screen), the game data
// read from the data files, the world, the interaction state and the view. Functions take the part
// they need where that is natural; two games can live side by side.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "base/random.hpp"
#include "base/registry.hpp"
#include "model/inventory_state.hpp"
#include "model/item_data.hpp"
#include "model/monster_data.hpp"
#include "model/places_data.hpp"
#include "model/view.hpp"
#include "model/world.hpp"
#include "records/settings.hpp"

namespace platform {
class Speaker;
}

namespace zaldrun {

class Io;
struct Game;

// PromptState values: the protocol between the message line's waits and the key handlers.
namespace prompt {
inline constexpr uint8_t kIdle = 0;
inline constexpr uint8_t kYes = 1;
inline constexpr uint8_t kWaiting = 2;
inline constexpr uint8_t kGameOver = 166;
}  // namespace prompt

using EventHandler = void (*)(Game& game);
using BehaviourHandler = void (*)(Game& game, int slot);

// The program around a game: its folders, settings and screen, and whether a game runs.
struct Session {
  // The player's files: Save/, Messages.log, the character records. In a build folder or with
  // --dir this one folder holds the settings and the data files too.
  std::filesystem::path folder;
  // Where Zaldrun.ini lives when not in `folder` (an installed game keeps it in the player's
  // settings folder).
  std::filesystem::path settings_folder;
  // Where the data files are read from when not from `folder` (an installed game's share folder,
  // the build folder for a game run with --dir, or for tests).
  std::filesystem::path data_folder;
  Settings settings = DefaultSettings();
  Io* io = nullptr;
  // The speech service (none in tests and headless runs); the screen speaks through it when the
  // setting is on. --speech turns the setting on for the run.
  platform::Speaker* speaker = nullptr;
  bool speech_from_command_line = false;

  // The map field is visible: a game is in progress.
  bool game_in_progress = false;
  // Set when the game was saved (or there was none); clear means a character record is due.
  bool saved = false;
  // Set by whatever ends the game or the program (the quit command, a key after death): the main
  // window closes once the current key is handled.
  bool unload_requested = false;

  // The handler tables that names are looked up in; empty means the game's own. Tests put in
  // tables of their own to watch the turn cycle call them.
  const Registry<EventHandler>* event_handlers = nullptr;
  const Registry<BehaviourHandler>* behaviours = nullptr;
  // Data faults already written to the log (each is written once).
  std::set<std::string> reported_faults;

  const std::filesystem::path& SettingsFolder() const {
    return settings_folder.empty() ? folder : settings_folder;
  }
  std::filesystem::path SettingsPath() const {
    return SettingsFolder() / std::string(kSettingsFileName);
  }
  std::filesystem::path LogPath() const { return folder / "Messages.log"; }
  std::filesystem::path SaveFolder() const { return folder / "Save"; }
  const std::filesystem::path& DataFolder() const {
    return data_folder.empty() ? folder : data_folder;
  }
};

// Each monster type's behaviour, looked up by name once in the table it was resolved from (see
// engine/dispatch); resolved again when the monster data are loaded or the table is changed.
struct ResolvedBehaviours {
  bool resolved = false;
  // The session's table they were looked up in (nullptr: the game's own).
  const Registry<BehaviourHandler>* session_table = nullptr;
  std::array<BehaviourHandler, kMonsterTypeCount + 1> handlers{};  // nullptr: no handler
};

// The game's data files as loaded: read-only once loaded, but for the current-record buffers that
// routines read one type into and the behaviours resolved from the monster types.
struct GameData {
  MonsterData monsters;
  ItemData items;
  PlacesData places;
  ResolvedBehaviours behaviours;
};

// The command waiting for a window or a prompt to finish it.
enum class PendingOperation : uint8_t {
  kNone, kDrop, kEat, kDrink, kRead, kZap, kDip, kShoot, kChat, kSelectItem,
  kPickUp, kWear, kWield, kPutOn, kReadyAmmo,
  // A scroll's effect on the item chosen next: the handler named by Control::effect_handler.
  kItemEffect,
  // The cursor chooses where the hero walks to.
  kTravel
};
// The operation's name as the item types' records and the diagnostics spell it.
std::string_view PendingOperationName(PendingOperation operation);

// The interaction state: the message line's protocol, the command in progress and its aim.
struct Control {
  uint8_t prompt_state = prompt::kIdle;
  // The event slot or monster slot whose handler runs now.
  int16_t current_slot = 0;
  // How the game ended (1: the player quit); the character record tells it.
  uint8_t end_reason = 0;
  // The monster type that dealt the last blow, and the one that poisoned the hero last (the
  // character record names the killer).
  int16_t killer_type = 0;
  int16_t poisoner_type = 0;
  PendingOperation pending_operation = PendingOperation::kNone;
  // The effect handler of the item being used, and a copy of that item as it was chosen.
  std::string effect_handler;
  ItemRecord current_item;
  // An item operation asked for the target cursor or the direction prompt; the user interface
  // opens it once the operation is done and clears this.
  enum class AimRequest : uint8_t { kNone, kCursor, kDirection } aim_request = AimRequest::kNone;
  // A scroll of identification: how many more items it may identify; -1 before its first choice.
  int16_t identify_left = -1;
  int16_t cursor_x = 0;
  int16_t cursor_y = 0;
  int16_t target_monster = 0;
  // The cell chosen with the cursor for an item's effect.
  int16_t target_x = 0;
  int16_t target_y = 0;
  // The inventory window: what it shows and what was chosen in it.
  InventoryState inventory;
  // Slots removed while the monster pass runs, so it neither skips nor repeats a monster.
  std::vector<int> removed_monster_slots;
  // The hero's actions since the game was begun or, when `resumed`, loaded: no save keeps them.
  int32_t turns = 0;
  bool resumed = false;
};

struct Game {
  Session session;
  GameData data;
  World world;
  Control control;
  View view;
  Random random;

  bool GameOver() const { return control.prompt_state == prompt::kGameOver; }
};

}  // namespace zaldrun
