#include "world/save_game.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <cstring>
#include <map>
#include <span>
#include <system_error>

#include "base/file_io.hpp"
#include "engine/attributes.hpp"
#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "items/pack.hpp"
#include "model/game.hpp"
#include "records/hero_tables.hpp"
#include "world/character_record.hpp"
#include "world/hall_of_fame.hpp"
#include "world/game_data.hpp"
#include "world/hero_names.hpp"
#include "world/level_change.hpp"
#include "world/new_game.hpp"
#include "world/sandbox.hpp"

namespace zaldrun {
namespace {

// The largest save file read: the hero, and a few hundred levels of ordinary size.
constexpr size_t kMaxSaveBytes = 256u << 20;

// A checkpoint's mark: Save/<name>.chk beside the save, holding the hash of the save's bytes. It
// speaks for that save only, so a crash between writing the two, or an S save over a
// checkpoint, never passes an S save off as a checkpoint.
constexpr std::string_view kCheckpointExtension = ".chk";
constexpr size_t kCheckpointMarkBytes = 16;

std::filesystem::path CheckpointMarkPath(const std::filesystem::path& save_folder,
                                         std::string_view name) {
  return save_folder / (std::string(name) + std::string(kCheckpointExtension));
}

// A 64-bit hash in hexadecimal: FNV-1a's step over eight bytes at a time in four lanes, each
// turned after its step so that high bits reach low ones, folded together with the tail and the
// length. Megabytes of a long game's save take well under a millisecond.
std::string SaveHash(std::span<const uint8_t> bytes) {
  constexpr uint64_t kPrime = 1099511628211ull;
  constexpr uint64_t kBasis = 14695981039346656037ull;
  constexpr size_t kLanes = 4;
  constexpr size_t kStride = kLanes * sizeof(uint64_t);
  std::array<uint64_t, kLanes> lanes{kBasis, kBasis + 1, kBasis + 2, kBasis + 3};
  size_t at = 0;
  for (; at + kStride <= bytes.size(); at += kStride) {
    for (size_t lane = 0; lane < kLanes; ++lane) {
      uint64_t word;
      std::memcpy(&word, bytes.data() + at + lane * sizeof word, sizeof word);
      lanes[lane] = std::rotl((lanes[lane] ^ word) * kPrime, 29);
    }
  }
  uint64_t hash = kBasis;
  for (const uint64_t lane : lanes) hash = (hash ^ lane) * kPrime;
  for (; at < bytes.size(); ++at) hash = (hash ^ bytes[at]) * kPrime;
  hash = (hash ^ bytes.size()) * kPrime;
  char text[kCheckpointMarkBytes + 1];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

bool MarkMatches(const std::filesystem::path& save_folder, std::string_view name,
                 std::span<const uint8_t> save_bytes) {
  const auto mark =
      ReadWholeFile(CheckpointMarkPath(save_folder, name), kCheckpointMarkBytes, nullptr);
  return mark && SaveHash(save_bytes) == std::string(mark->begin(), mark->end());
}

// Marks the save about to be written as a checkpoint, or takes the mark away. The mark only
// tells the player where a loaded game comes from, so a mark that cannot be written is let be.
void MarkCheckpoint(const std::filesystem::path& save_folder, std::string_view name,
                    const std::vector<uint8_t>* checkpoint_bytes) {
  const std::filesystem::path mark = CheckpointMarkPath(save_folder, name);
  std::error_code ec;
  if (checkpoint_bytes == nullptr) {
    std::filesystem::remove(mark, ec);
    return;
  }
  const std::string hash = SaveHash(*checkpoint_bytes);
  std::string ignored;
  ReplaceFile(mark, std::span(reinterpret_cast<const uint8_t*>(hash.data()), hash.size()),
              &ignored);
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return Lower(x) == Lower(y); });
}

// Decimal digits without a leading zero or a sign, 1..most.
std::optional<int> PlainNumber(std::string_view digits, int most) {
  if (digits.empty() || digits[0] == '0') return std::nullopt;
  int value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > most) return std::nullopt;
  }
  return value;
}

// A fresh hero with the skill table's names, governing attributes and caps.
Hero HeroWithSkillTable(std::string_view name) {
  Hero hero;
  hero.name = std::string(name);
  const auto& table = SkillTable();
  for (int s = 1; s <= kSkillCount; ++s) {
    Skill& skill = hero.SkillAt(s);
    const SkillInfo& info = table[static_cast<size_t>(s)];
    skill.name = std::string(info.name);
    skill.first_attribute = info.first_attribute;
    skill.first_weight = info.first_weight;
    skill.second_attribute = info.second_attribute;
    skill.second_weight = info.second_weight;
    skill.cap = info.cap;
  }
  return hero;
}

// Puts the saved state into the world; the level itself is entered afterwards.
void ApplySaveImage(Game& game, const SaveImage& image, std::string_view name) {
  World& world = game.world;
  world.hero = HeroWithSkillTable(name);
  world.hero.weapon_choice = image.hero.weapon_choice;
  world.hero.missile_choice = image.hero.missile_choice;
  OverlaySavedHero(image.hero, &world.hero);
  // The figures the file does not keep follow from the attributes; the ones it keeps are then
  // put back exactly as they were saved.
  RecomputeAllDerived(game);
  OverlaySavedHero(image.hero, &world.hero);

  for (size_t type = 1; type <= kItemTypeCount; ++type) {
    ItemType& known = world.item_types[type];
    known.knowledge = image.item_types[type].knowledge;
    known.appearance = image.item_types[type].appearance;
    known.colour = image.item_types[type].colour;
  }
  world.piles[0] = image.pack;
  world.piles[0].first = 1;  // the pack is always in use
  world.events = image.events;
  world.event_count = image.event_count;
  world.kill_counts = image.kill_counts;
  // Nothing is written when the saved level is entered.
  world.current_place = 0;
  world.current_level = 0;

  game.control = Control{};
  game.control.resumed = true;
  game.view = View{};
  StatusLabels& labels = game.view.labels;
  for (size_t i = 0; i < kSavedConditions.size(); ++i) {
    labels.Set(kSavedConditions[i], image.conditions[i]);
  }
  // Paralysis lasts while its time runs; the file keeps the time, not the label.
  labels.Set(Condition::kParalyzed, world.hero.paralysis_time > 0);
  UpdateHeroLabels(game);
  // The hunger and burden labels of the saved satiation and load; nothing else changes.
  ChangeSatiation(game, 0);
  ReweighBurden(game);
}

// The save being written: kept from one save to the next, so that a long game's megabytes are
// not asked for (and paged in) anew at every level change.
std::vector<uint8_t>& SaveScratch() {
  static std::vector<uint8_t> scratch;
  return scratch;
}

// Writes the save of the game with these levels (the current level among them), marked as a
// checkpoint or not.
bool WriteSave(const Game& game, std::span<const LevelSource> levels, bool checkpoint,
               std::string* error) {
  const std::string& name = game.world.hero.name;
  const auto normal = NormalHeroName(name, nullptr);
  if (name.empty() || !normal || *normal != name) {
    if (error) *error = "У героя нет имени, под которым его можно сохранить.";
    return false;
  }
  const SaveImage image = SaveImageOf(game);
  const bool current_kept = std::any_of(levels.begin(), levels.end(), [&](const LevelSource& level) {
    return level.place == image.place && level.level == image.level;
  });
  if (!current_kept) {
    if (error) {
      *error = "Нет файла текущего уровня " + LevelFileName(image.place, image.level) + ".";
    }
    return false;
  }
  std::vector<uint8_t>& bytes = SaveScratch();
  if (!EncodeSaveInto(image, levels, &bytes, error)) return false;
  // A save that would not load back is never written over a sound one.
  std::string fault;
  if (!DecodeSave(bytes, &fault, false)) {
    if (error) *error = "Сохранение не прочиталось бы обратно (" + fault + ").";
    return false;
  }
  const std::filesystem::path save_folder = game.session.SaveFolder();
  MarkCheckpoint(save_folder, name, checkpoint ? &bytes : nullptr);
  return WriteFileAtomically(SaveFilePath(save_folder, name), bytes, error,
                             BackupFilePath(save_folder, name));
}

// The level files of the Save folder by place and level. Files with other names, or of a length
// no level file has, are left out; of two spellings the game's own wins.
std::map<std::pair<int, int>, std::filesystem::path> ListLevelFiles(
    const std::filesystem::path& save_folder) {
  std::map<std::pair<int, int>, std::filesystem::path> files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(save_folder, ec)) {
    const std::string name = entry.path().filename().string();
    const auto numbers = ParseLevelFileName(name);
    if (!numbers || !entry.is_regular_file(ec)) continue;
    const auto size = entry.file_size(ec);
    if (ec || size < kLevelFileFixedSize || size > kLevelFileLimit) continue;
    auto [it, added] = files.emplace(*numbers, entry.path());
    if (!added && name == LevelFileName(numbers->first, numbers->second)) it->second = entry.path();
  }
  return files;
}

// The kept levels in order of place and level: those in memory, the level files of any others
// in the Save folder, and `current`, when given, in place of its level's kept copy.
std::vector<LevelSource> KeptLevels(const Game& game, const SavedLevel* current) {
  std::map<std::pair<int, int>, LevelSource> kept;
  for (const auto& [key, bytes] : game.world.kept_levels) {
    kept[{key.first, key.second}] = LevelSource{key.first, key.second, bytes, {}};
  }
  for (auto& [key, path] : ListLevelFiles(game.session.SaveFolder())) {
    kept.try_emplace(key, LevelSource{static_cast<int16_t>(key.first),
                                      static_cast<int16_t>(key.second), {}, std::move(path)});
  }
  if (current != nullptr) {
    kept[{current->place, current->level}] =
        LevelSource{current->place, current->level, current->bytes, {}};
  }
  std::vector<LevelSource> levels;
  levels.reserve(kept.size());
  for (auto& [key, level] : kept) levels.push_back(std::move(level));
  return levels;
}

// The save of the kept levels and the current level as it stands now.
bool SaveAsItStands(Game& game, bool checkpoint, std::string* error) {
  const World& world = game.world;
  const SavedLevel current{world.current_place, world.current_level, EncodeLevel(game)};
  return WriteSave(game, KeptLevels(game, &current), checkpoint, error);
}

void RemoveLevelFiles(Game& game) {
  DeleteFilesWithExtension(game.session.SaveFolder(), ".lev");
  game.world.kept_levels.clear();
}

}  // namespace

std::optional<std::pair<int, int>> ParseLevelFileName(std::string_view file_name) {
  constexpr std::string_view kPrefix = "Lev";
  constexpr std::string_view kExtension = ".lev";
  if (file_name.size() <= kPrefix.size() + kExtension.size()) return std::nullopt;
  if (!EqualsIgnoringCase(file_name.substr(0, kPrefix.size()), kPrefix)) return std::nullopt;
  if (!EqualsIgnoringCase(file_name.substr(file_name.size() - kExtension.size()), kExtension)) {
    return std::nullopt;
  }
  const std::string_view middle =
      file_name.substr(kPrefix.size(), file_name.size() - kPrefix.size() - kExtension.size());
  const size_t underscore = middle.find('_');
  if (underscore == std::string_view::npos) return std::nullopt;
  const auto place = PlainNumber(middle.substr(0, underscore), kMostPlace);
  const auto level = PlainNumber(middle.substr(underscore + 1), kMostLevel);
  if (!place || !level) return std::nullopt;
  return std::make_pair(*place, *level);
}

bool GatherLevelFiles(const std::filesystem::path& save_folder, std::vector<SavedLevel>* levels,
                      std::string* error) {
  levels->clear();
  for (const auto& [numbers, path] : ListLevelFiles(save_folder)) {
    auto bytes = ReadWholeFile(path, kLevelFileLimit, error);
    if (!bytes) return false;
    levels->push_back(SavedLevel{static_cast<int16_t>(numbers.first),
                                 static_cast<int16_t>(numbers.second), std::move(*bytes)});
  }
  return true;
}

std::vector<std::string> SavedHeroes(const std::filesystem::path& save_folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(save_folder, ec)) {
    const std::filesystem::path& path = entry.path();
    if (path.extension() != kSaveExtension || !entry.is_regular_file(ec)) continue;
    const std::string name = path.stem().string();
    const auto normal = NormalHeroName(name, nullptr);
    if (normal && *normal == name && !name.empty()) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::optional<std::string> FindSavedHero(const std::filesystem::path& save_folder,
                                         std::string_view name) {
  for (const std::string& saved : SavedHeroes(save_folder)) {
    if (SameHeroName(saved, name)) return saved;
  }
  return std::nullopt;
}

bool SaveGame(const Game& game, std::string* error) {
  return WriteSave(game, KeptLevels(game, nullptr), false, error);
}

bool SaveCurrentGame(Game& game, std::string* error) { return SaveAsItStands(game, false, error); }

bool SaveCheckpoint(Game& game, std::string* error) { return SaveAsItStands(game, true, error); }

bool GameCanBeSaved(const Game& game) {
  const std::string& name = game.world.hero.name;
  const auto normal = NormalHeroName(name, nullptr);
  return game.session.game_in_progress && !game.GameOver() && !name.empty() && normal &&
         *normal == name && game.world.current_place != kSandboxPlace;
}

bool SaveIsCheckpoint(const std::filesystem::path& save_folder, std::string_view name) {
  const auto bytes = ReadWholeFile(SaveFilePath(save_folder, name), kMaxSaveBytes, nullptr);
  return bytes && MarkMatches(save_folder, name, *bytes);
}

namespace {

// The save file's bytes and what they hold, checked whole; nothing, with the player's message in
// *error, for a missing or damaged file.
std::optional<std::pair<std::vector<uint8_t>, SaveImage>> ReadAndDecodeSave(
    const std::filesystem::path& save_folder, std::string_view name, std::string* error) {
  const std::filesystem::path path = SaveFilePath(save_folder, name);
  std::string why;
  auto bytes = ReadWholeFile(path, kMaxSaveBytes, &why);
  if (!bytes) {
    if (error) *error = "Не удалось прочитать сохранение: " + why + ".";
    return std::nullopt;
  }
  auto image = DecodeSave(*bytes, &why);
  if (!image) {
    if (error) {
      *error = "Сохранение " + path.string() + " повреждено (" + why + "). Файл оставлен на месте.";
      std::error_code ec;
      const std::filesystem::path backup = BackupFilePath(save_folder, name);
      if (std::filesystem::exists(backup, ec)) {
        *error += " Предыдущее сохранение лежит в " + backup.string() + ".";
      }
    }
    return std::nullopt;
  }
  return std::make_pair(std::move(*bytes), std::move(*image));
}

}  // namespace

std::optional<SaveImage> ReadSaveFile(const std::filesystem::path& save_folder,
                                      std::string_view name, std::string* error) {
  auto read = ReadAndDecodeSave(save_folder, name, error);
  if (!read) return std::nullopt;
  return std::move(read->second);
}

bool LoadGame(Game& game, std::string_view name, std::string* error) {
  const std::filesystem::path save_folder = game.session.SaveFolder();
  auto read = ReadAndDecodeSave(save_folder, name, error);
  if (!read) return false;
  SaveImage& image = read->second;
  const bool checkpoint = MarkMatches(save_folder, name, read->first);
  read->first = {};
  RemoveLevelFiles(game);
  const std::string data_error = LoadGameData(game);
  if (!data_error.empty()) {
    if (error) *error = data_error;
    return false;
  }
  ApplySaveImage(game, image, name);
  // The saved levels are kept in memory, not written out as files: see World::kept_levels.
  for (SavedLevel& level : image.levels) {
    game.world.kept_levels[{level.place, level.level}] = std::move(level.bytes);
  }
  if (!ChangeLevel(game, image.place, image.level, image.hero.x, image.hero.y)) {
    RemoveLevelFiles(game);
    game.session.game_in_progress = false;
    if (error) *error = "Не удалось войти на уровень сохранения.";
    return false;
  }
  BeginPlay(game);
  if (checkpoint) ShowMessage(game, kRestoredFromCheckpoint);
  return true;
}

void DeleteSave(const std::filesystem::path& save_folder, std::string_view name) {
  std::error_code ec;
  std::filesystem::remove(SaveFilePath(save_folder, name), ec);
  std::filesystem::remove(BackupFilePath(save_folder, name), ec);
  std::filesystem::remove(CheckpointMarkPath(save_folder, name), ec);
}

std::string UnloadGame(Game& game, std::string* record_file) {
  std::string error;
  // A hero without a name (a sandbox level's) has neither a record nor a save.
  const std::string& name = game.world.hero.name;
  const auto normal = NormalHeroName(name, nullptr);
  if (!game.session.saved && !name.empty() && normal && *normal == name) {
    std::string record;
    if (!WriteCharacterRecord(game, &error, &record)) {
      error = "Не удалось записать историю героя: " + error;
    }
    std::string fame;
    AddToHallOfFame(game.session.folder, FameEntryOf(game, record, TodayText()), &fame);
    if (!fame.empty()) error += (error.empty() ? "" : " ") + fame;
    if (record_file) *record_file = record;
    DeleteSave(game.session.SaveFolder(), name);
  }
  RemoveLevelFiles(game);
  return error;
}

}  // namespace zaldrun
