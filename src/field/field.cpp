#include "field/field.hpp"

#include "model/type_info.hpp"
#include "model/game.hpp"
#include "records/terrain.hpp"

namespace zaldrun {

void Char(Game& game, int x, int y, uint8_t glyph, int32_t colour) {
  if (!Level::Inside(x, y)) return;
  game.view.field.At(x, y) = DrawnCell{glyph, colour};
}

void TglHero(Game& game) { game.view.field.hero_visible = !game.view.field.hero_visible; }

void Clear(Game& game) {
  game.view.field.cells.fill(DrawnCell{});
  for (MapCell& cell : game.world.level.cells) cell.seen = 0;
}

void PlPl(Game& game, int x, int y) {
  game.view.field.hero_x = static_cast<int16_t>(x);
  game.view.field.hero_y = static_cast<int16_t>(y);
  game.world.hero.x = static_cast<int16_t>(x);
  game.world.hero.y = static_cast<int16_t>(y);
}

void PlaceShadow(Game& game, int x, int y) {
  if (!Level::Inside(x, y)) return;
  const MapCell& cell = game.world.level.Cell(x, y);
  if (cell.seen == 1) Char(game, x, y, cell.remembered_glyph, cell.remembered_colour);
}

void Renew(Game& game, int x, int y) {
  if (!Level::Inside(x, y)) return;
  MapCell& cell = game.world.level.Cell(x, y);
  DrawnCell& drawn = game.view.field.At(x, y);
  cell.seen = 1;
  const TerrainType& terrain = TerrainOf(game.world.level.Terrain(x, y));
  if (terrain.glyph != cell.remembered_glyph) drawn = DrawnCell{};

  auto remember = [&](Glyph shown) {
    drawn = DrawnCell{shown.glyph, shown.colour};
    cell.remembered_glyph = shown.glyph;
    cell.remembered_colour = shown.colour;
  };
  if (cell.monster >= 1 && cell.monster <= game.world.level.monster_count) {
    // Monsters are drawn but never remembered.
    const Glyph shown = MonsterTypeGlyph(game, game.world.level.Monster(cell.monster).type);
    drawn = DrawnCell{shown.glyph, shown.colour};
    return;
  }
  if (cell.item != 0) {
    if (cell.item > kLooseItemBase && cell.item - kLooseItemBase <= kLooseItems) {
      const ItemRecord& item =
          game.world.level.loose_items[static_cast<size_t>(cell.item - kLooseItemBase)];
      remember(ItemTypeGlyph(game, item.type));
      return;
    }
    if (cell.item >= 1 && cell.item < kPileCount) {
      const PileRecord& pile = game.world.piles[static_cast<size_t>(cell.item)];
      if (pile.count > 0) {
        for (const auto& group : pile.groups) {
          if (group.empty()) continue;
          remember(ItemTypeGlyph(game, group.front().type));
          return;
        }
        return;  // a pile that claims items but holds none is left undrawn
      }
    }
  }
  if (cell.feature > 0) {
    const FeatureType& feature = FeatureOf(cell.feature);
    remember(Glyph{feature.glyph, feature.colour});
    return;
  }
  drawn = DrawnCell{terrain.glyph, terrain.lit_colour};
  cell.remembered_glyph = terrain.glyph;
  cell.remembered_colour = terrain.dim_colour;
}

void SelMove(Game& game, int x, int y, uint8_t glyph, int32_t colour) {
  FieldModel& field = game.view.field;
  field.selection_visible = true;
  field.selection_x = static_cast<int16_t>(x);
  field.selection_y = static_cast<int16_t>(y);
  field.selection_glyph = glyph;
  field.selection_colour = colour;
  game.control.cursor_x = static_cast<int16_t>(x);
  game.control.cursor_y = static_cast<int16_t>(y);
}

void SelOff(Game& game) { game.view.field.selection_visible = false; }

void Eras(Game& game, int x, int y) {
  if (!Level::Inside(x, y)) return;
  game.view.field.At(x, y) = DrawnCell{};
}

void ShowMap(Game& game) {
  for (int x = 0; x < kMapWidth; ++x) {
    for (int y = 0; y < kMapHeight; ++y) {
      const TerrainType& terrain = TerrainOf(game.world.level.Terrain(x, y));
      Char(game, x, y, terrain.glyph, terrain.dim_colour);
    }
  }
}

}  // namespace zaldrun
