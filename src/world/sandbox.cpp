#include "world/sandbox.hpp"

#include "engine/condition.hpp"
#include "field/field.hpp"
#include "field/sight.hpp"
#include "base/file_io.hpp"
#include "model/game.hpp"
#include "records/terrain.hpp"

namespace zaldrun {
namespace {

constexpr size_t kMaxSandboxBytes = 1 << 20;

std::string Where(const std::string& name, int line, int column) {
  return name + ", строка " + std::to_string(line) + ", столбец " + std::to_string(column);
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
      if (row.empty() && text.empty()) break;  // the newline after the last line
      return fail(Where(name, line, 1) + ": в карте должно быть 40 строк, а их больше");
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
  Clear(game);
  PlPl(game, sandbox.hero_x, sandbox.hero_y);
  game.view.field.hero_visible = true;
  game.session.game_in_progress = true;
  LOSRound(game, game.world.hero.x, game.world.hero.y, game.world.hero.sight_radius);
}

}  // namespace zaldrun
