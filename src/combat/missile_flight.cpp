#include "combat/missile_flight.hpp"

#include "field/field.hpp"
#include "field/sight.hpp"
#include "model/game.hpp"
#include "model/io.hpp"

namespace zaldrun {

std::pair<int, int> MissileLanding(Game& game, int x1, int y1, int x2, int y2) {
  FieldModel& field = game.view.field;
  field.landing_x = static_cast<int16_t>(x2);
  field.landing_y = static_cast<int16_t>(y2);
  field.landing_pending = 1;
  // From the target back to the shooter: the last write, nearest the shooter, wins.
  SelLine(game, x2, y2, x1, y1, CellOperation::kCheck, 0, 0, 0);
  field.landing_pending = 0;
  return {field.landing_x, field.landing_y};
}

void FlyObject(Game& game, int x1, int y1, int x2, int y2, uint8_t glyph, int32_t colour) {
  // In the middle of a turn the view may still be darkened from the hero's step, and monsters
  // that moved are not drawn yet.
  SweepHeroSight(game);
  SelMove(game, x1, y1, glyph, colour);
  SelLine(game, x1, y1, x2, y2, CellOperation::kFly, 0, 0, 0);
  SelOff(game);
}

void PauseFrame(Game& game, int ms) {
  if (game.session.io == nullptr) return;
  game.session.io->Present();
  game.session.io->SleepMs(ms);
}

}  // namespace zaldrun
