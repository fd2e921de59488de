#include "field/field.hpp"

#include <optional>

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

namespace {

// What the cell shows beneath any monster: a floor stack, a pile's first stack, a visible feature
// or the terrain, with the colour it is drawn in while seen and the one it is remembered in.
// Nothing for a pile that claims items but holds none.
struct Underneath {
  Glyph lit;
  int32_t remembered_colour = 0;
};
std::optional<Underneath> WhatLiesUnder(const Game& game, const MapCell& cell,
                                        const TerrainType& terrain) {
  if (cell.item > kLooseItemBase && cell.item - kLooseItemBase <= kLooseItems) {
    const ItemRecord& item =
        game.world.level.loose_items[static_cast<size_t>(cell.item - kLooseItemBase)];
    const Glyph shown = ItemTypeGlyph(game, item.type);
    return Underneath{shown, shown.colour};
  }
  if (cell.item >= 1 && cell.item < kPileCount) {
    const PileRecord& pile = game.world.piles[static_cast<size_t>(cell.item)];
    if (pile.count > 0) {
      for (const auto& group : pile.groups) {
        if (group.empty()) continue;
        const Glyph shown = ItemTypeGlyph(game, group.front().type);
        return Underneath{shown, shown.colour};
      }
      return std::nullopt;
    }
  }
  if (cell.feature > 0) {
    const FeatureType& feature = FeatureOf(cell.feature);
    return Underneath{Glyph{feature.glyph, feature.colour}, feature.colour};
  }
  return Underneath{Glyph{terrain.glyph, terrain.lit_colour}, terrain.dim_colour};
}

}  // namespace

void Renew(Game& game, int x, int y) {
  if (!Level::Inside(x, y)) return;
  MapCell& cell = game.world.level.Cell(x, y);
  DrawnCell& drawn = game.view.field.At(x, y);
  cell.seen = 1;
  const TerrainType& terrain = TerrainOf(game.world.level.Terrain(x, y));
  if (terrain.glyph != cell.remembered_glyph) drawn = DrawnCell{};

  // The hero remembers the ground under a monster he sees, never the monster: a cell first seen
  // with a townsman on it still shows its floor once out of view.
  const std::optional<Underneath> under = WhatLiesUnder(game, cell, terrain);
  if (under) {
    drawn = DrawnCell{under->lit.glyph, under->lit.colour};
    cell.remembered_glyph = under->lit.glyph;
    cell.remembered_colour = under->remembered_colour;
  }
  if (cell.monster >= 1 && cell.monster <= game.world.level.monster_count) {
    const Glyph shown = MonsterTypeGlyph(game, game.world.level.Monster(cell.monster).type);
    drawn = DrawnCell{shown.glyph, shown.colour};
  }
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
