#include "engine/search.hpp"

#include <algorithm>
#include <cmath>

#include "engine/message_line.hpp"
#include "engine/skills.hpp"
#include "field/field.hpp"
#include "model/game.hpp"

namespace zaldrun {

void SearchAround(Game& game, int per_point, int base) {
  Hero& hero = game.world.hero;
  for (int dx = -1; dx <= 1; ++dx) {
    for (int dy = -1; dy <= 1; ++dy) {
      const int x = hero.x + dx;
      const int y = hero.y + dy;
      if (!Level::Inside(x, y)) continue;
      MapCell& cell = game.world.level.Cell(x, y);
      if (cell.feature != feature::kSecretDoor && cell.feature != feature::kHiddenCache &&
          cell.feature != feature::kHiddenTrap) {
        continue;
      }
      const int skill = static_cast<int>(std::floor(hero.SkillAt(skill::kSearching).value));
      const int chance = skill * per_point + (hero.Current(attribute::kPerception) / 2 + base);
      if (static_cast<int>(game.random.Next() * 700) >= chance) continue;
      double growth = 0.5;
      if (cell.feature == feature::kSecretDoor) {
        cell.feature = feature::kClosedDoor;
        game.world.level.SetTerrain(x, y, 'C');
        Renew(game, x, y);
        ShowMessage(game, "Ты нашёл секретную дверь!", msg::kAcknowledge);
      } else if (cell.feature == feature::kHiddenCache) {
        cell.feature = feature::kCache;
        Renew(game, x, y);
        ShowMessage(game, "Ты обнаружил тайник!", msg::kAcknowledge);
      } else {
        const int kind = feature::kFirstTrap + (cell.params[0] - 1) / 5;
        cell.feature =
            static_cast<int16_t>(std::clamp<int>(kind, feature::kFirstTrap, feature::kLastTrap));
        Renew(game, x, y);
        ShowMessage(game, "Ты обнаружил ловушку!", msg::kAcknowledge);
        growth = 0.66;
      }
      TrainSkill(game, skill::kSearching, growth);
    }
  }
}

}  // namespace zaldrun
