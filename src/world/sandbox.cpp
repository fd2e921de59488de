#include "world/sandbox.hpp"

#include "creatures/monster_table.hpp"
#include "engine/condition.hpp"
#include "items/item_maker.hpp"
#include "items/piles.hpp"
#include "field/field.hpp"
#include "field/sight.hpp"
#include "base/file_io.hpp"
#include "model/game.hpp"
#include "records/item_type_table.hpp"
#include "records/monster_record.hpp"
#include "records/terrain.hpp"

namespace zaldrun {
namespace {

constexpr size_t kMaxSandboxBytes = 1 << 20;

std::string Where(const std::string& name, int line, int column) {
  return name + ", строка " + std::to_string(line) + ", столбец " + std::to_string(column);
}

// Most items or coins one placement line may ask for.
constexpr long long kMostPlaced = 1000000;

std::vector<std::string_view> Words(std::string_view row) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < row.size()) {
    while (i < row.size() && (row[i] == ' ' || row[i] == '\t')) ++i;
    const size_t start = i;
    while (i < row.size() && row[i] != ' ' && row[i] != '\t') ++i;
    if (i > start) words.push_back(row.substr(start, i - start));
  }
  return words;
}

// A whole decimal number within low..high.
std::optional<int> Number(std::string_view word, long long low, long long high) {
  if (word.empty() || word.size() > 9) return std::nullopt;
  long long value = 0;
  for (char c : word) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < low || value > high) return std::nullopt;
  return static_cast<int>(value);
}

// Reads one placement line; an empty text, or what is wrong with it.
std::string ParsePlacement(std::string_view row, const SandboxLevel& sandbox,
                           SandboxPlacement* out) {
  const std::vector<std::string_view> words = Words(row);
  const std::string_view kind = words.front();
  SandboxPlacement p;
  size_t least = 4;
  size_t most = 5;
  long long type_high = kItemTypeCount;
  if (kind == "item") {
    p.kind = SandboxPlacement::Kind::kItem;
  } else if (kind == "gold") {
    p.kind = SandboxPlacement::Kind::kGold;
    most = 4;
  } else if (kind == "monster") {
    p.kind = SandboxPlacement::Kind::kMonster;
    type_high = kMonsterTypeCount;
  } else {
    return "неизвестное слово \"" + std::string(kind) + "\" (можно item, gold, monster)";
  }
  if (words.size() < least || words.size() > most) {
    return p.kind == SandboxPlacement::Kind::kItem   ? "нужно: item X Y ТИП [ЧИСЛО]"
           : p.kind == SandboxPlacement::Kind::kGold ? "нужно: gold X Y ЧИСЛО"
                                                     : "нужно: monster X Y ТИП [awake]";
  }
  const auto x = Number(words[1], 0, kMapWidth - 1);
  const auto y = Number(words[2], 0, kMapHeight - 1);
  if (!x || !y) return "клетка \"" + std::string(words[1]) + " " + std::string(words[2]) +
                       "\" вне карты (X 0..79, Y 0..39)";
  p.x = *x;
  p.y = *y;
  if (p.kind == SandboxPlacement::Kind::kGold) {
    const auto coins = Number(words[3], 1, kMostPlaced);
    if (!coins) return "число монет должно быть от 1 до " + std::to_string(kMostPlaced);
    p.type = item_type::kMoney;
    p.count = *coins;
  } else {
    const auto type = Number(words[3], 1, type_high);
    if (!type) return "тип должен быть от 1 до " + std::to_string(type_high);
    p.type = *type;
    if (words.size() == 5 && p.kind == SandboxPlacement::Kind::kItem) {
      const auto count = Number(words[4], 1, kMostPlaced);
      if (!count) return "число предметов должно быть от 1 до " + std::to_string(kMostPlaced);
      p.count = *count;
    } else if (words.size() == 5) {
      if (words[4] != "awake") return "после типа чудовища можно только \"awake\"";
      p.awake = true;
    }
  }
  if (TerrainOf(sandbox.level.Terrain(p.x, p.y)).blocks_move ||
      sandbox.level.Cell(p.x, p.y).feature == feature::kSecretDoor) {
    return "клетка " + std::to_string(p.x) + " " + std::to_string(p.y) + " — стена";
  }
  if (p.kind == SandboxPlacement::Kind::kMonster) {
    if (p.x == sandbox.hero_x && p.y == sandbox.hero_y) return "на этой клетке стоит герой";
    if (sandbox.level.Cell(p.x, p.y).feature == feature::kClosedDoor) {
      return "на этой клетке закрытая дверь";
    }
    for (const SandboxPlacement& other : sandbox.placements) {
      if (other.kind == SandboxPlacement::Kind::kMonster && other.x == p.x && other.y == p.y) {
        return "на этой клетке уже есть чудовище";
      }
    }
  }
  *out = p;
  return {};
}

// Puts what a placement line asks for on the level: items as they come out of the maker, with
// no affixes, uncursed and not known to be so.
void Place(Game& game, const SandboxPlacement& placement) {
  switch (placement.kind) {
    case SandboxPlacement::Kind::kItem:
    case SandboxPlacement::Kind::kGold: {
      ItemRequest request;
      request.type = placement.type;
      request.blessing = blessing::kUncursedUnknown;
      request.count = placement.count;
      request.prefix = 0;
      request.suffix = 0;
      if (const auto item = MakeItem(game, request)) {
        PlaceItem(game, placement.x, placement.y, *item, false);
      }
      break;
    }
    case SandboxPlacement::Kind::kMonster:
      PlaceMonsterOfType(game, placement.x, placement.y, placement.type, placement.awake);
      break;
  }
}

}  // namespace

std::optional<SandboxLevel> ParseSandbox(std::string_view text, const std::string& name,
                                         std::string* error) {
  auto fail = [&](const std::string& why) -> std::optional<SandboxLevel> {
    if (error) *error = why;
    return std::nullopt;
  };
  auto sandbox = std::make_optional<SandboxLevel>();
  int heroes = 0;
  int line = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view row = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (!row.empty() && row.back() == '\r') row.remove_suffix(1);
    ++line;
    if (line > kMapHeight) {
      if (heroes != 1) break;  // told below
      const size_t first = row.find_first_not_of(" \t");
      if (first == std::string_view::npos || row[first] == '#') continue;
      SandboxPlacement placement;
      const std::string fault = ParsePlacement(row, *sandbox, &placement);
      if (!fault.empty()) return fail(name + ", строка " + std::to_string(line) + ": " + fault);
      placement.line = line;
      sandbox->placements.push_back(placement);
      continue;
    }
    if (row.size() != kMapWidth) {
      return fail(Where(name, line, static_cast<int>(std::min<size_t>(row.size(), kMapWidth)) + 1) +
                  ": в строке должно быть 80 знаков, а их " + std::to_string(row.size()));
    }
    for (int x = 0; x < kMapWidth; ++x) {
      const char c = row[static_cast<size_t>(x)];
      const int y = line - 1;
      MapCell& cell = sandbox->level.Cell(x, y);
      char letter = c;
      if (c == '@') {
        letter = 'C';
        sandbox->hero_x = x;
        sandbox->hero_y = y;
        ++heroes;
      } else if (c == '+') {
        letter = 'C';
        cell.feature = feature::kClosedDoor;
      } else if (c == '*') {
        letter = 'A';
        cell.feature = feature::kSecretDoor;
      } else if (!IsTerrainLetter(c)) {
        const std::string shown =
            static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126
                ? "\\x" + std::to_string(static_cast<unsigned char>(c))
                : std::string(1, c);
        return fail(Where(name, line, x + 1) + ": неизвестный знак \"" + shown +
                    "\" (можно A..[, @, +, *)");
      }
      sandbox->level.SetTerrain(x, y, letter);
    }
  }
  if (line < kMapHeight) {
    return fail(Where(name, line + 1, 1) + ": в карте должно быть 40 строк, а их " +
                std::to_string(line));
  }
  if (heroes != 1) {
    return fail(name + ": на карте должен быть ровно один герой \"@\", а их " +
                std::to_string(heroes));
  }
  return sandbox;
}

std::optional<SandboxLevel> LoadSandbox(const std::filesystem::path& path, std::string* error) {
  const auto bytes = ReadWholeFile(path, kMaxSandboxBytes, error);
  if (!bytes) return std::nullopt;
  return ParseSandbox(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()),
                      path.string(), error);
}

void StartSandbox(Game& game, const SandboxLevel& sandbox, const HeroChoice* choice) {
  game.world.level = sandbox.level;
  game.world.current_place = kSandboxPlace;
  game.world.current_level = kSandboxLevel;
  game.control.target_monster = 0;
  Hero& hero = game.world.hero;
  if (choice != nullptr) {
    SetUpNewHero(game, *choice);
    if (choice->wounded_hp > 0 && choice->wounded_hp < hero.max_hp) {
      hero.hp = choice->wounded_hp;
      UpdateHeroLabels(game);
    }
  } else {
    hero.speed_base = 100;
    hero.sight_radius = 8;
    hero.move_cost = 1000;
    hero.action_cost = 1000;
    hero.hp = hero.max_hp = 10;
    game.view.labels.hp = "10(10)";
  }
  for (const SandboxPlacement& placement : sandbox.placements) Place(game, placement);
  Clear(game);
  PlPl(game, sandbox.hero_x, sandbox.hero_y);
  game.view.field.hero_visible = true;
  game.session.game_in_progress = true;
  LOSRound(game, game.world.hero.x, game.world.hero.y, game.world.hero.sight_radius);
}

}  // namespace zaldrun
