// The hall of fame: every hero whose game ended (dead, or quit unsaved), best first, kept in a
// text file beside the saves. One line per hero, fields separated by tabs, under a header line:
//   experience, level, name, race, class, where, how, date (YYYY-MM-DD), record file
// Written whole and atomically; read with a size limit, every field checked, and a damaged file
// is never trusted nor written over: it is renamed aside and a new one begun.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zaldrun {

struct Game;

inline constexpr std::string_view kHallOfFameFileName = "Зал славы.tsv";
inline constexpr std::string_view kHallOfFameHeader = "Залдрун: зал славы, версия 1";
// The most heroes kept: the weakest make way for a better one.
inline constexpr size_t kHallOfFameSize = 1000;

struct FameEntry {
  int64_t experience = 0;
  int level = 0;
  std::string name;
  int race = 0;
  int hero_class = 0;
  std::string where;   // "тёмная пещера, уровень 2"
  std::string how;     // the record's end phrase: "умер от голода"
  std::string date;    // "2024-05-31"
  std::string record;  // the record's file name: "Борис (2).txt"

  bool operator==(const FameEntry&) const = default;
};

std::filesystem::path HallOfFamePath(const std::filesystem::path& folder);

// All the experience the hero has gathered over his levels.
int64_t TotalExperience(const Game& game);
// The hero as the hall of fame keeps him, the game ended as the control says, on `date`.
FameEntry FameEntryOf(const Game& game, std::string record, std::string date);
// Today's date as the hall of fame writes it.
std::string TodayText();

// Best first: more experience, then the higher level; heroes alike keep their order.
void RankHallOfFame(std::vector<FameEntry>& entries);

std::string HallOfFameText(const std::vector<FameEntry>& entries);
// Nothing, with the line and the fault in *error, when any line is not as written above.
std::optional<std::vector<FameEntry>> ParseHallOfFame(std::string_view text, std::string* error);
// The heroes of the folder's hall of fame, best first; none when there is no file yet. Nothing,
// with a message naming the file in *error, when it cannot be read or is damaged (it is left as
// it is).
std::optional<std::vector<FameEntry>> ReadHallOfFame(const std::filesystem::path& folder,
                                                     std::string* error);
// Adds a hero and writes the file anew. A damaged file is first renamed aside ("Зал славы.tsv"
// becomes "Зал славы.tsv.повреждён", numbered when that is taken) and told in *report. False, with
// the reason in *report, when the file could not be written (the old one stays).
bool AddToHallOfFame(const std::filesystem::path& folder, const FameEntry& entry,
                     std::string* report);

}  // namespace zaldrun
