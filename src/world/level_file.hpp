// Level files: one per visited level in Save/, holding the level exactly as the hero left it —
// generation settings, cells, terrain, rooms, piles, loose items and monsters, byte for byte.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zaldrun {

struct Game;
struct Level;
struct PileRecord;

// The fixed part of a level file; every item record in a pile adds 19 bytes, every monster 26.
inline constexpr size_t kLevelFileFixedSize = 85699;
inline constexpr size_t kStackBytes = 19;
inline constexpr size_t kMonsterBytes = 26;
// No level file can be larger: 260 piles of 1000 records and 300 monsters.
inline constexpr size_t kLevelFileLimit =
    kLevelFileFixedSize + 260 * 1000 * kStackBytes + 300 * kMonsterBytes;

// "Lev" + place + "_" + level + ".lev", e.g. "Lev5_12.lev".
std::string LevelFileName(int place, int level);
std::filesystem::path LevelFilePath(const Game& game, int place, int level);

// The level file's bytes for the current level (piles 1..260 of the world).
std::vector<uint8_t> EncodeLevel(const Game& game);
// Reads level file bytes into the current level and piles 1..261. The bytes are untrusted: a short,
// long or inconsistent file gives a message saying what is wrong, and the level is left as it was.
std::string DecodeLevel(Game& game, std::span<const uint8_t> bytes);

// Whether the game keeps the level (place, level): in memory (World::kept_levels) or as a level
// file in Save/.
bool LevelIsKept(const Game& game, int place, int level);
// The kept bytes of the level: from memory, or else from its level file. Nothing, with the reason
// in *error, when neither can be had.
std::optional<std::vector<uint8_t>> KeptLevelBytes(const Game& game, int place, int level,
                                                   std::string* error);

// Checks level file bytes as DecodeLevel reads them, without a game to read them into: what is
// wrong, or "". One checker goes through many files (a loaded save's) with one scratch level.
class LevelFileChecker {
 public:
  LevelFileChecker();
  ~LevelFileChecker();
  std::string Check(std::span<const uint8_t> bytes);

 private:
  std::unique_ptr<Level> level_;
  std::vector<PileRecord> piles_;
};

// Writes the current level to Save/ as the level file of (place, level) and keeps its bytes in
// memory. False, with a message for the player in *error, when it could not be written.
bool WriteLevel(Game& game, int place, int level, std::string* error);
// Reads the kept level (place, level) into the current level, links the chests' contents to
// their cells and draws the remembered map at once. False, with a message naming the file, when
// the file is missing, short or damaged (the level is then left as it was).
bool ReadLevel(Game& game, int place, int level, std::string* error);

}  // namespace zaldrun
