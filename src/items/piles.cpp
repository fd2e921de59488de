#include "items/piles.hpp"

#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "items/item_lookup.hpp"
#include "model/game.hpp"
#include "model/io.hpp"
#include "records/game_enums.hpp"

namespace zaldrun {

namespace {

constexpr char kFaultTitle[] = "Случилась гадость!";
constexpr char kNoFreePile[] = "Невозможно создать кучу!";
constexpr char kNoFreeFloorStack[] =
    "Невозможно положить предмет - слишком много предметов на карте!";

void ShowFault(Game& game, const char* text) {
  if (game.session.io != nullptr) game.session.io->MessageBox(text, kFaultTitle);
}

bool ValidPile(const Game& game, int pile) {
  return pile >= 0 && static_cast<size_t>(pile) < game.world.piles.size();
}

PileRecord& Pile(Game& game, int pile) { return game.world.piles[static_cast<size_t>(pile)]; }

// The lowest level pile (1..260) not in use, emptied for its new contents; 0 when none is free.
int TakeFreePile(Game& game) {
  for (int i = 1; i <= kLevelPiles; ++i) {
    PileRecord& pile = Pile(game, i);
    if (pile.first != 0) continue;
    pile = PileRecord{};
    pile.first = 1;
    return i;
  }
  return 0;
}

// The lowest floor stack (1..500) not in use; 0 when none is free.
int FreeFloorStack(const Game& game) {
  for (int n = 1; n <= kFloorStacks; ++n) {
    if (game.world.level.loose_items[static_cast<size_t>(n)].count == 0) return n;
  }
  return 0;
}

bool Addable(const Game& game, const ItemRecord& item) {
  return CategoryOf(game, item.type) >= 0 && item.count > 0;
}

bool CountsFit(int32_t a, int32_t b) {
  return static_cast<int64_t>(a) + b <= std::numeric_limits<int32_t>::max();
}

// Frees floor stack `number` and clears the reference of the cell it lay on.
void FreeFloorStack(Game& game, int number) {
  Level& level = game.world.level;
  const auto n = static_cast<size_t>(number);
  level.loose_items[n].count = 0;
  if (Level::Inside(level.loose_x[n], level.loose_y[n])) {
    MapCell& cell = level.Cell(level.loose_x[n], level.loose_y[n]);
    if (cell.item == kLooseItemBase + number) cell.item = 0;
  }
  level.loose_x[n] = 0;
  level.loose_y[n] = 0;
}

// Frees an emptied pile and clears the cell that refers to it (a chest's or a heap's).
void FreePile(Game& game, int number) {
  PileRecord& pile = Pile(game, number);
  pile.first = 0;
  const int x = pile.x;
  const int y = pile.y;
  if (y >= kContainerRowOffset) {
    if (Level::Inside(x, y - kContainerRowOffset)) {
      MapCell& cell = game.world.level.Cell(x, y - kContainerRowOffset);
      if (cell.container == number) cell.container = 0;
    }
  } else if (Level::Inside(x, y)) {
    MapCell& cell = game.world.level.Cell(x, y);
    if (cell.item == number) cell.item = 0;
  }
}

bool PlaceIntoChest(Game& game, int x, int y, const ItemRecord& item) {
  MapCell& cell = game.world.level.Cell(x, y);
  const bool has_pile =
      cell.container >= 1 && cell.container <= kLevelPiles && Pile(game, cell.container).first != 0;
  if (has_pile) return AddToPile(game, cell.container, item);
  const int pile = TakeFreePile(game);
  if (pile == 0) {
    ShowFault(game, kNoFreePile);
    return false;
  }
  cell.container = static_cast<int16_t>(pile);
  Pile(game, pile).x = static_cast<uint8_t>(x);
  Pile(game, pile).y = static_cast<uint8_t>(y + kContainerRowOffset);
  return AddToPile(game, pile, item);
}

// A second kind of stack on a cell with a floor stack: both go into a new pile.
bool MakePileWith(Game& game, int x, int y, int floor_number, const ItemRecord& item) {
  const int pile = TakeFreePile(game);
  if (pile == 0) {
    ShowFault(game, kNoFreePile);
    return false;
  }
  Level& level = game.world.level;
  if (!AddToPile(game, pile, level.loose_items[static_cast<size_t>(floor_number)])) {
    Pile(game, pile).first = 0;  // a floor stack of no known type stays as it lies
    return false;
  }
  FreeFloorStack(game, floor_number);
  level.Cell(x, y).item = static_cast<int16_t>(pile);
  Pile(game, pile).x = static_cast<uint8_t>(x);
  Pile(game, pile).y = static_cast<uint8_t>(y);
  return AddToPile(game, pile, item);
}

bool PlaceOnFloor(Game& game, int x, int y, const ItemRecord& item) {
  Level& level = game.world.level;
  MapCell& cell = level.Cell(x, y);
  if (cell.item >= 1 && cell.item <= kLevelPiles) return AddToPile(game, cell.item, item);
  if (cell.item > kLooseItemBase && cell.item <= kLooseItemBase + kLooseItems) {
    const int number = cell.item - kLooseItemBase;
    ItemRecord& floor = level.loose_items[static_cast<size_t>(number)];
    if (SameStack(game, floor, item)) {
      if (!CountsFit(floor.count, item.count)) return false;
      floor.count += item.count;
      return true;
    }
    return MakePileWith(game, x, y, number, item);
  }
  if (cell.item != 0) return false;  // a reference to nothing the level holds
  const int number = FreeFloorStack(game);
  if (number == 0) {
    ShowFault(game, kNoFreeFloorStack);
    return false;
  }
  const auto n = static_cast<size_t>(number);
  level.loose_items[n] = item;
  level.loose_x[n] = static_cast<uint8_t>(x);
  level.loose_y[n] = static_cast<uint8_t>(y);
  cell.item = static_cast<int16_t>(kLooseItemBase + number);
  return true;
}

}  // namespace

bool SameStack(const Game& game, const ItemRecord& a, const ItemRecord& b) {
  if (a.type != b.type || a.blessing != b.blessing || a.identified != b.identified ||
      a.material != b.material || a.bonus1 != b.bonus1 || a.bonus2 != b.bonus2 ||
      a.prefix != b.prefix || a.suffix != b.suffix || a.flags != b.flags) {
    return false;
  }
  return CategoryOf(game, a.type) != item_category::kWand || a.charges == b.charges;
}

bool AddToPile(Game& game, int pile, const ItemRecord& item) {
  if (!ValidPile(game, pile) || !Addable(game, item)) return false;
  PileRecord& record = Pile(game, pile);
  auto& group = record.groups[static_cast<size_t>(CategoryOf(game, item.type))];
  for (ItemRecord& stack : group) {
    if (!SameStack(game, stack, item)) continue;
    if (!CountsFit(stack.count, item.count)) return false;
    stack.count += item.count;
    return true;
  }
  if (group.size() >= static_cast<size_t>(kGroupPlaces)) return false;
  group.push_back(item);
  ++record.count;
  return true;
}

void MergeAlikeStacks(Game& game, int pile) {
  if (!ValidPile(game, pile)) return;
  PileRecord& record = Pile(game, pile);
  for (auto& group : record.groups) {
    std::vector<ItemRecord> joined;
    for (const ItemRecord& stack : group) {
      auto alike = std::find_if(joined.begin(), joined.end(), [&](const ItemRecord& kept) {
        return SameStack(game, kept, stack) && CountsFit(kept.count, stack.count);
      });
      if (alike == joined.end()) {
        joined.push_back(stack);
      } else {
        alike->count += stack.count;
      }
    }
    record.count = static_cast<int16_t>(record.count - (group.size() - joined.size()));
    group = std::move(joined);
  }
}

bool PlaceItem(Game& game, int x, int y, const ItemRecord& item, bool into_container) {
  if (!Level::Inside(x, y) || !Addable(game, item)) return false;
  return into_container ? PlaceIntoChest(game, x, y, item) : PlaceOnFloor(game, x, y, item);
}

bool RemoveFromPlace(Game& game, int place, int category, int stack_place, int32_t count) {
  if (count <= 0) return false;
  if (place > kFloorPlaceBase) {
    const int number = place - kFloorPlaceBase;
    if (number > kLooseItems) return false;
    ItemRecord& floor = game.world.level.loose_items[static_cast<size_t>(number)];
    if (floor.count <= 0) return false;
    floor.count -= count;
    if (floor.count <= 0) FreeFloorStack(game, number);
    return true;
  }
  if (!ValidPile(game, place) || category < 0 || category >= kPileGroups) return false;
  PileRecord& pile = Pile(game, place);
  auto& group = pile.groups[static_cast<size_t>(category)];
  if (stack_place < 1 || static_cast<size_t>(stack_place) > group.size()) return false;
  ItemRecord& stack = group[static_cast<size_t>(stack_place - 1)];
  if (count < stack.count) {
    stack.count -= count;
    return true;
  }
  group.erase(group.begin() + (stack_place - 1));
  --pile.count;
  if (pile.count <= 0 && place != kPackPile) FreePile(game, place);
  return true;
}

void RelinkContainers(Game& game) {
  for (MapCell& cell : game.world.level.cells) cell.container = 0;
  for (int i = 1; i <= kLevelPiles; ++i) {
    const PileRecord& pile = Pile(game, i);
    if (pile.first == 0 || pile.y < kContainerRowOffset) continue;
    if (Level::Inside(pile.x, pile.y - kContainerRowOffset)) {
      game.world.level.Cell(pile.x, pile.y - kContainerRowOffset).container =
          static_cast<int16_t>(i);
    }
  }
}

}  // namespace zaldrun
