// Drawing the inventory window: the categories of the pile, the list or the equipment slots, the
// description panel and the key hints.
#include <algorithm>
#include <string>

#include "base/cp1251.hpp"
#include "base/utf8.hpp"
#include "items/equipment.hpp"
#include "items/item_names.hpp"
#include "items/pack.hpp"
#include "model/game.hpp"
#include "model/type_info.hpp"
#include "records/text_table.hpp"
#include "ui/inventory_window.hpp"
#include "ui/layout.hpp"

namespace zaldrun {
namespace {

using platform::Color;

constexpr int kLeftColumn = 2;
constexpr int kLeftWidth = 25;  // "5 Магические Свитки (100)"
constexpr int kListLeft = 28;
constexpr int kListWidth = 69;
constexpr int kSlotLabelWidth = 16;
constexpr int kWeightWidth = 8;

constexpr Color kBg = ui::palette::kWindowBg;
constexpr Color kChosenBg{50, 58, 100};
constexpr Color kEmptySlot{128, 128, 128};
constexpr Color kCursedColour{255, 0, 0};

// The list colour of a stack's name by its blessing: cursed red, uncursed dark cyan, blessed
// green, unknown grey.
Color BlessingColour(uint8_t blessing) {
  switch (blessing) {
    case 0:
      return kCursedColour;
    case 1:
      return Color{0, 125, 125};
    case 2:
      return Color{0, 250, 0};
    default:
      return Color{200, 200, 200};
  }
}

const char* OperationVerb(PendingOperation operation) {
  switch (operation) {
    case PendingOperation::kDrop:
      return "бросить";
    case PendingOperation::kPickUp:
      return "поднять";
    case PendingOperation::kWear:
    case PendingOperation::kPutOn:
      return "надеть";
    case PendingOperation::kWield:
      return "взять в руки";
    case PendingOperation::kReadyAmmo:
      return "приготовить к бою";
    case PendingOperation::kDrink:
      return "выпить";
    case PendingOperation::kRead:
      return "прочитать";
    case PendingOperation::kEat:
      return "съесть";
    case PendingOperation::kZap:
      return "применить";
    case PendingOperation::kDip:
      return "окунуть";
    case PendingOperation::kSelectItem:
    case PendingOperation::kItemEffect:
      return "выбрать";
    default:
      return nullptr;
  }
}

// Where the shown pile lies: the pack, a chest, a cache in the wall or the floor.
const char* PileHeading(const Game& game, int pile) {
  if (pile == 0) return "Рюкзак";
  const PileRecord& record = game.world.piles[static_cast<size_t>(pile)];
  if (record.y >= kContainerRowOffset) return "Сундук";
  if (Level::Inside(record.x, record.y) &&
      game.world.level.Cell(record.x, record.y).feature == feature::kCache) {
    return "Тайник";
  }
  return "На полу";
}

// A category's line, "5 Магические Свитки (12)": when it is too wide the name gives way, never
// the count.
std::string CategoryLine(int category, int count, int width) {
  std::string name = std::to_string(category) + " " + FetchText(text_ids::kCategoryBase + category);
  if (count <= 0) return name;
  const std::string counted = " (" + std::to_string(count) + ")";
  const size_t room = static_cast<size_t>(std::max(0, width - static_cast<int>(Utf8Length(counted))));
  if (Utf8Length(name) > room) name = Utf8Prefix(name, room);
  return name + counted;
}

std::string GlyphText(const Game& game, int type) {
  std::string text;
  AppendUtf8(text, Cp1251ToUnicode(ItemTypeGlyph(game, type).glyph));
  return text;
}

}  // namespace

void InventoryWindow::Draw(platform::Grid& grid) const {
  const ui::Rect rect{0, layout::kMapTop, grid.width(), layout::kMapHeight};
  ui::DrawWindow(grid, rect, Caption());
  DrawCategories(grid, rect);
  const int x = rect.x + kListLeft;
  const InventoryState& state = game_.control.inventory;
  if (const char* verb = OperationVerb(game_.control.pending_operation)) {
    grid.PutText(x, rect.y + 1, std::string("Enter — ") + verb, ui::palette::kTitle, kBg);
  }
  if (state.equipment_list) {
    DrawEquipment(grid, x, rect.y + 2);
  } else {
    DrawPile(grid, x, rect.y + 2);
  }
  DrawPanel(grid, x, rect.y + kPageRows + 3);
  DrawHints(grid, rect);
}

void InventoryWindow::DrawCategories(platform::Grid& grid, const ui::Rect& rect) const {
  const InventoryState& state = game_.control.inventory;
  const PileRecord& pile = game_.world.piles[static_cast<size_t>(state.pile)];
  const int x = rect.x + kLeftColumn;
  grid.PutText(x, rect.y + 1, PileHeading(game_, state.pile), ui::palette::kTitle, kBg);
  for (int c = 0; c < kPileGroups; ++c) {
    const int y = rect.y + 3 + c;
    const int count = pile.GroupCount(c);
    const bool chosen = !state.equipment_list && c == state.category;
    const Color fg = chosen      ? ui::palette::kFocusFg
                     : count > 0 ? ui::palette::kValue
                                 : ui::palette::kLabel;
    const Color bg = chosen ? ui::palette::kFocusBg : kBg;
    grid.Fill(x, y, kLeftWidth, 1, U' ', fg, bg);
    grid.PutText(x, y, CategoryLine(c, count, kLeftWidth), fg, bg, kLeftWidth);
    category_rects_[static_cast<size_t>(c)] = ui::Rect{x, y, kLeftWidth, 1};
  }
  int y = rect.y + 4 + kPileGroups;
  toggle_rect_ = ui::Rect{};
  if (state.pile == 0) {
    toggle_rect_ =
        ui::DrawButton(grid, x, y, state.equipment_list ? "Рюкзак" : kEquipmentCaption, false);
  }
  close_rect_ = ui::DrawButton(grid, x, y + 2, "Закрыть", false);
  const Hero& hero = game_.world.hero;
  y += 5;
  grid.PutText(x, y, "Деньги: " + std::to_string(hero.money) + "$", ui::palette::kLabel, kBg);
  grid.PutText(
      x, y + 1,
      "Груз: " + std::to_string(hero.carried_weight) + "s/" + std::to_string(hero.max_weight) + "s",
      ui::palette::kLabel, kBg, kLeftWidth);
}

void InventoryWindow::DrawPile(platform::Grid& grid, int x, int y) const {
  const InventoryState& state = game_.control.inventory;
  const auto& group = game_.world.piles[static_cast<size_t>(state.pile)].groups[state.category];
  const int count = static_cast<int>(group.size());
  rows_rect_ = ui::Rect{x, y, kListWidth, kPageRows};
  if (count == 0) grid.PutText(x + 2, y, "Пусто", ui::palette::kLabel, kBg);
  for (int row = 0; row < kPageRows; ++row) {
    const int place = state.first_place + row;
    if (place < 1 || place > count) break;
    const ItemRecord& item = group[static_cast<size_t>(place - 1)];
    const bool chosen = place == state.place;
    const Color bg = chosen ? kChosenBg : kBg;
    grid.Fill(x, y + row, kListWidth - 1, 1, U' ', ui::palette::kValue, bg);
    grid.PutText(x, y + row, chosen ? "►" : " ", ui::palette::kTitle, bg);
    const Glyph glyph = ItemTypeGlyph(game_, item.type);
    grid.PutText(x + 1, y + row, GlyphText(game_, item.type),
                 platform::FromPackedBgr(static_cast<uint32_t>(glyph.colour)), bg);
    grid.PutText(x + 3, y + row, ItemName(game_, item), BlessingColour(item.blessing), bg,
                 kListWidth - kWeightWidth - 4);
    const std::string weight = std::to_string(StackWeight(game_, item, item.count)) + "s";
    grid.PutText(x + kListWidth - 1 - static_cast<int>(Utf8Length(weight)), y + row, weight,
                 ui::palette::kLabel, bg);
  }
  const int arrow_x = x + kListWidth - 1;
  up_rect_ = ui::Rect{};
  down_rect_ = ui::Rect{};
  if (state.first_place > 1) {
    grid.Put(arrow_x, y, U'▲', ui::palette::kTitle, kBg);
    up_rect_ = ui::Rect{arrow_x, y, 1, 1};
  }
  if (state.first_place + kPageRows <= count) {
    grid.Put(arrow_x, y + kPageRows - 1, U'▼', ui::palette::kTitle, kBg);
    down_rect_ = ui::Rect{arrow_x, y + kPageRows - 1, 1, 1};
  }
}

void InventoryWindow::DrawEquipment(platform::Grid& grid, int x, int y) const {
  const InventoryState& state = game_.control.inventory;
  rows_rect_ = ui::Rect{x, y, kListWidth, kEquipmentSlots};
  for (int slot = 1; slot <= kEquipmentSlots; ++slot) {
    const int row = y + slot - 1;
    const bool chosen = slot == state.slot;
    const Color bg = chosen ? kChosenBg : kBg;
    grid.Fill(x, row, kListWidth - 1, 1, U' ', ui::palette::kValue, bg);
    grid.PutText(x, row, chosen ? "►" : " ", ui::palette::kTitle, bg);
    grid.PutText(x + 1, row, SlotLabel(slot), ui::palette::kLabel, bg);
    const ItemRecord& item = game_.world.hero.equipment[static_cast<size_t>(slot)];
    const int name_x = x + 1 + kSlotLabelWidth;
    if (item.count <= 0) {
      grid.PutText(name_x, row, "--", kEmptySlot, bg);
    } else {
      grid.PutText(name_x, row, ItemName(game_, item), BlessingColour(item.blessing), bg,
                   kListWidth - kSlotLabelWidth - 2);
    }
  }
}

std::string InventoryWindow::SpokenText() const {
  const InventoryState& state = game_.control.inventory;
  if (state.equipment_list) {
    const int slot = std::clamp<int>(state.slot, 1, kEquipmentSlots);
    const ItemRecord& item = game_.world.hero.equipment[static_cast<size_t>(slot)];
    return std::string(SlotLabel(slot)) + " " + (item.count > 0 ? ItemName(game_, item) : "пусто");
  }
  const auto& group = game_.world.piles[static_cast<size_t>(state.pile)].groups[state.category];
  const bool chosen = state.place >= 1 && state.place <= static_cast<int>(group.size());
  return Caption() + ": " +
         (chosen ? ItemName(game_, group[static_cast<size_t>(state.place - 1)]) : "Пусто");
}

void InventoryWindow::DrawPanel(platform::Grid& grid, int x, int y) const {
  for (int i = 0; i < kListWidth - 1; ++i) grid.Put(x + i, y - 1, U'─', ui::palette::kFrame, kBg);
  int row = 0;
  for (const std::string& line : info_) {
    for (const std::string& part : ui::WrapText(line, kListWidth - 1)) {
      if (row >= kPanelRows) return;
      grid.PutText(x, y + row++, part, ui::palette::kWindowFg, kBg);
    }
  }
}

void InventoryWindow::DrawHints(platform::Grid& grid, const ui::Rect& rect) const {
  const bool equipment = game_.control.inventory.equipment_list;
  const char* hints =
      equipment ? "↑↓ слот  Enter — снять или выбрать  V — рюкзак  / — навык  Esc — закрыть"
                : "←→ категория  ↑↓ выбор  Enter — выбрать  V — экипировка  / — аффиксы  "
                  "Esc — закрыть";
  grid.PutText(rect.x + kLeftColumn, rect.y + rect.h - 2, hints, ui::palette::kLabel, kBg,
               rect.w - 2 * kLeftColumn);
}

}  // namespace zaldrun
