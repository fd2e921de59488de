#include "world/hall_of_fame.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <ctime>
#include <system_error>

#include "base/file_io.hpp"
#include "base/utf8.hpp"
#include "engine/condition.hpp"
#include "levelgen/place_names.hpp"
#include "levelgen/places.hpp"
#include "model/game.hpp"
#include "records/hero_tables.hpp"
#include "world/character_record.hpp"
#include "world/hero_names.hpp"
#include "world/sandbox.hpp"

namespace zaldrun {
namespace {

namespace fs = std::filesystem;

constexpr size_t kFieldCount = 9;
// A hall of a thousand heroes fits many times over.
constexpr size_t kMostFileBytes = 1 << 20;
constexpr size_t kMostTextField = 120;
constexpr int64_t kMostExperience = 1'000'000'000'000;
constexpr std::string_view kDamagedSuffix = ".повреждён";

std::optional<int64_t> Number(std::string_view text, int64_t least, int64_t most) {
  int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || value < least || value > most) {
    return std::nullopt;
  }
  return value;
}

// Readable words: valid UTF-8, no control characters, not too long.
bool PlainText(std::string_view text, size_t most) {
  if (text.empty()) return false;
  const std::u32string decoded = DecodeUtf8(text);
  if (decoded.size() > most) return false;
  return std::none_of(decoded.begin(), decoded.end(),
                      [](char32_t ch) { return ch < U' ' || ch == 0x7F || ch == 0xFFFD; });
}

bool DateText(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  return Number(text.substr(0, 4), 1970, 9999) && Number(text.substr(5, 2), 1, 12) &&
         Number(text.substr(8, 2), 1, 31);
}

// A record's file name: a hero's name, maybe numbered, then ".txt"; no folder in it.
bool RecordName(std::string_view text) {
  constexpr std::string_view kExtension = ".txt";
  if (text.size() <= kExtension.size() || !text.ends_with(kExtension)) return false;
  if (text.find('/') != std::string_view::npos || text.find('\\') != std::string_view::npos) {
    return false;
  }
  return PlainText(text, kHeroNameLength + 16) && text.find("..") == std::string_view::npos;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  while (true) {
    const size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

// One hero's line, or the fault that keeps it from being one.
std::optional<FameEntry> ParseLine(std::string_view line, std::string* fault) {
  const std::vector<std::string_view> f = SplitTabs(line);
  if (f.size() != kFieldCount) {
    *fault = "ожидалось полей: " + std::to_string(kFieldCount) + ", а их " +
             std::to_string(f.size());
    return std::nullopt;
  }
  FameEntry entry;
  const auto experience = Number(f[0], 0, kMostExperience);
  const auto level = Number(f[1], 0, 255);
  const auto race = Number(f[3], 1, kRaceCount);
  const auto hero_class = Number(f[4], 1, kClassCount);
  const auto name = NormalHeroName(f[2], nullptr);
  if (!experience || !level || !race || !hero_class) {
    *fault = "число вне допустимых пределов";
  } else if (!name || name->empty() || *name != f[2]) {
    *fault = "недопустимое имя героя";
  } else if (!PlainText(f[5], kMostTextField) || !PlainText(f[6], kMostTextField)) {
    *fault = "недопустимый текст";
  } else if (!DateText(f[7])) {
    *fault = "недопустимая дата";
  } else if (!f[8].empty() && !RecordName(f[8])) {
    *fault = "недопустимое имя файла записи";
  } else {
    return FameEntry{*experience, static_cast<int>(*level), *name, static_cast<int>(*race),
                     static_cast<int>(*hero_class), std::string(f[5]), std::string(f[6]),
                     std::string(f[7]), std::string(f[8])};
  }
  return std::nullopt;
}

// The damaged file's new name beside it: numbered when an older damaged one is there.
fs::path AsideName(const fs::path& path) {
  fs::path aside = path;
  aside += std::string(kDamagedSuffix);
  std::error_code ec;
  for (int n = 2; fs::exists(fs::symlink_status(aside, ec)); ++n) {
    aside = path;
    aside += std::string(kDamagedSuffix) + "." + std::to_string(n);
  }
  return aside;
}

}  // namespace

fs::path HallOfFamePath(const fs::path& folder) { return folder / std::string(kHallOfFameFileName); }

int64_t TotalExperience(const Game& game) {
  const Hero& hero = game.world.hero;
  int64_t total = 0;
  for (int level = 1; level < hero.level; ++level) total += ExperienceNeed(game, level);
  if (hero.level >= 1) total += std::max<int64_t>(0, ExperienceNeed(game, hero.level) -
                                                         int64_t{hero.experience_to_next});
  return total;
}

FameEntry FameEntryOf(const Game& game, std::string record, std::string date) {
  const Hero& hero = game.world.hero;
  const Control& control = game.control;
  const int monster =
      control.end_reason == end_reason::kPoison ? control.poisoner_type : control.killer_type;
  return FameEntry{TotalExperience(game),
                   hero.level,
                   hero.name,
                   hero.race,
                   hero.hero_class,
                   PlaceName(game.world.current_place, game.world.current_level),
                   EndReasonPhrase(game, control.end_reason, monster),
                   std::move(date),
                   std::move(record)};
}

std::string TodayText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

void RankHallOfFame(std::vector<FameEntry>& entries) {
  std::stable_sort(entries.begin(), entries.end(), [](const FameEntry& a, const FameEntry& b) {
    return a.experience != b.experience ? a.experience > b.experience : a.level > b.level;
  });
}

std::string HallOfFameText(const std::vector<FameEntry>& entries) {
  std::string text = std::string(kHallOfFameHeader) + "\n";
  for (const FameEntry& e : entries) {
    const std::array<std::string, kFieldCount> fields = {
        std::to_string(e.experience), std::to_string(e.level), e.name,
        std::to_string(e.race),       std::to_string(e.hero_class), e.where,
        e.how,                        e.date,                       e.record};
    for (size_t i = 0; i < fields.size(); ++i) text += (i == 0 ? "" : "\t") + fields[i];
    text += "\n";
  }
  return text;
}

std::optional<std::vector<FameEntry>> ParseHallOfFame(std::string_view text, std::string* error) {
  std::vector<FameEntry> entries;
  size_t start = 0;
  for (int number = 1; start < text.size(); ++number) {
    const size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      if (error) *error = "строка " + std::to_string(number) + " оборвана";
      return std::nullopt;
    }
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    std::string fault;
    if (number == 1) {
      if (line == kHallOfFameHeader) continue;
      fault = "нет заголовка";
    } else if (entries.size() >= kHallOfFameSize) {
      fault = "слишком много героев";
    } else if (auto entry = ParseLine(line, &fault)) {
      entries.push_back(std::move(*entry));
      continue;
    }
    if (error) *error = "строка " + std::to_string(number) + ": " + fault;
    return std::nullopt;
  }
  if (text.empty()) {
    if (error) *error = "файл пуст";
    return std::nullopt;
  }
  RankHallOfFame(entries);
  return entries;
}

std::optional<std::vector<FameEntry>> ReadHallOfFame(const fs::path& folder, std::string* error) {
  const fs::path path = HallOfFamePath(folder);
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(path, ec))) return std::vector<FameEntry>{};
  std::string why;
  const auto bytes = ReadWholeFile(path, kMostFileBytes, &why);
  const std::string file = "Файл «" + path.filename().string() + "»";
  if (!bytes) {
    if (error) *error = file + " не читается: " + why;
    return std::nullopt;
  }
  auto entries = ParseHallOfFame(
      std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), &why);
  if (!entries && error) *error = file + " повреждён: " + why;
  return entries;
}

bool AddToHallOfFame(const fs::path& folder, const FameEntry& entry, std::string* report) {
  std::string damage;
  std::optional<std::vector<FameEntry>> entries = ReadHallOfFame(folder, &damage);
  const fs::path path = HallOfFamePath(folder);
  std::string told;
  if (!entries) {
    const fs::path aside = AsideName(path);
    std::error_code ec;
    fs::rename(path, aside, ec);
    if (ec) {
      if (report) *report = damage + ". Переименовать его не удалось: " + ec.message();
      return false;
    }
    told = damage + ". Он сохранён как «" + aside.filename().string() + "», начат новый.";
    entries.emplace();
  }
  entries->push_back(entry);
  RankHallOfFame(*entries);
  if (entries->size() > kHallOfFameSize) entries->resize(kHallOfFameSize);
  std::string error;
  if (!WriteFileAtomically(path, HallOfFameText(*entries), &error)) {
    if (report) *report = (told.empty() ? "" : told + " ") + "Зал славы не записан: " + error;
    return false;
  }
  if (report) *report = told;
  return true;
}

}  // namespace zaldrun
