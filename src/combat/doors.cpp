#include "combat/doors.hpp"

#include "engine/message_line.hpp"
#include "engine/turn.hpp"
#include "field/field.hpp"
#include "field/sight.hpp"
#include "items/item_operations.hpp"
#include "model/game.hpp"

namespace zaldrun {

void DarkenSight(Game& game) {
  SelRound(game, game.world.hero.x, game.world.hero.y, game.world.hero.sight_radius + 1, CellOperation::kDarken, 0);
}

void OpenDoor(Game& game, int x, int y) {
  if (Level::Inside(x, y)) {
    MapCell& cell = game.world.level.Cell(x, y);
    const bool own_cell = x == game.world.hero.x && y == game.world.hero.y;
    if (cell.feature == feature::kClosedDoor && cell.params[0] == 1) {
      ShowMessage(game, "Эта дверь заперта!");
    } else if (cell.feature == feature::kClosedDoor) {
      ShowMessage(game, "Ты открыл дверь.");
      cell.feature = feature::kOpenDoor;
      DarkenSight(game);
      Renew(game, x, y);
    } else if (cell.feature == feature::kCache) {
      // What the level builder hid in the cache lies in the cell's container pile.
      const int pile = cell.container != 0 ? cell.container : cell.item;
      const bool has_pile = pile >= 1 && pile <= kLevelPiles &&
                            game.world.piles[static_cast<size_t>(pile)].count > 0;
      if (has_pile) {
        OpenPile(game, pile);
      } else {
        ShowMessage(game, "В этом тайнике нет ничего кроме плесени.");
      }
    } else if (own_cell) {
      ShowMessage(game, "СЕБЯ открыть захотел?");
    } else if (cell.feature == feature::kOpenDoor) {
      if (cell.item != 0) {
        ShowMessage(game, "Какой-то хлам мешает закрыть дверь.");
      } else if (cell.monster != 0) {
        // A door closed on a creature would shut it inside the wall.
        ShowMessage(game, "Что-то мешает закрыть дверь.");
      } else {
        ShowMessage(game, "Ты закрыл дверь.");
        cell.feature = feature::kClosedDoor;
        DarkenSight(game);
        Renew(game, x, y);
      }
    } else {
      ShowMessage(game, "Нет тут никакой двери!");
    }
  }
  AdvanceTime(game, game.world.hero.action_cost);
}

}  // namespace zaldrun
