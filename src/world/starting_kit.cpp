#include "world/starting_kit.hpp"

#include <array>

#include "items/hand_figures.hpp"
#include "items/item_maker.hpp"
#include "items/item_operations.hpp"
#include "items/pack.hpp"
#include "items/piles.hpp"
#include "model/game.hpp"
#include "world/new_hero.hpp"

namespace zaldrun {
namespace {

// Materials of the kit (the material table's numbers).
constexpr uint8_t kIron = 1;
constexpr uint8_t kPlain = 5;
constexpr uint8_t kCloth = 6;
constexpr uint8_t kWool = 8;
constexpr uint8_t kWood = 9;
constexpr uint8_t kLeather = 10;
constexpr uint8_t kFlesh = 18;

// Slots the kit fills.
constexpr uint8_t kPack = 0;
constexpr uint8_t kBody = equipment_slot::kBody;
constexpr uint8_t kBelt = equipment_slot::kBelt;
constexpr uint8_t kCloak = equipment_slot::kCloak;
constexpr uint8_t kRight = equipment_slot::kRightHand;
constexpr uint8_t kLeft = equipment_slot::kLeftHand;
constexpr uint8_t kGloves = equipment_slot::kGloves;
constexpr uint8_t kBoots = equipment_slot::kBoots;
constexpr uint8_t kLauncher = equipment_slot::kLauncher;
constexpr uint8_t kQuiver = equipment_slot::kAmmunition;

// The starting equipment. Every hero wields the melee weapon of his weapon choice (the weapon of
// the skill the choice trains); archers and wanderers ready the launcher of their missile choice
// with a stack of its ammunition; each class wears some armour by its way of fighting (the warrior
// the heaviest, with a shield; the barbarian leather and a belt, his axe and club needing both
// hands; the archer light clothes and gloves; the wanderer travelling clothes); everyone carries a
// healing potion, bread and a little gold. The wanderer also has a wand of magic missiles with 5
// charges and two healing leaves.
constexpr KitEntry kKit[] = {
    // Warrior: long blades, axes, spears, maces, clubs.
    {1, 1, 0, 72, 1, kIron, kRight, 0},      // Широкий меч
    {1, 2, 0, 56, 1, kIron, kRight, 0},      // Топор
    {1, 3, 0, 60, 1, kIron, kRight, 0},      // Тяжёлое Копье
    {1, 4, 0, 85, 1, kIron, kRight, 0},      // Булава
    {1, 5, 0, 4, 1, kWood, kRight, 0},       // Дубина
    {1, 0, 0, 8, 1, kLeather, kBody, 0},     // Кожаная Броня
    {1, 1, 0, 64, 1, kWood, kLeft, 0},       // Малый Щит, beside a one-handed weapon:
    {1, 2, 0, 64, 1, kWood, kLeft, 0},       //   the heavy spear needs both hands
    {1, 4, 0, 64, 1, kWood, kLeft, 0},
    {1, 5, 0, 64, 1, kWood, kLeft, 0},
    {1, 0, 0, 130, 1, kLeather, kBoots, 0},  // Кожаные Сапоги
    {1, 0, 0, 30, 1, kPlain, kPack, 0},      // Зелье Лечения
    {1, 0, 0, 28, 2, kFlesh, kPack, 0},      // Буханка Хлеба
    {1, 0, 0, 117, 60, kPlain, kPack, 0},    // gold
    // Archer: short blades, axes, spears, clubs; bow, crossbow, sling.
    {2, 1, 0, 12, 1, kIron, kRight, 0},      // Гладиус
    {2, 2, 0, 68, 1, kIron, kRight, 0},      // Томагавк
    {2, 3, 0, 59, 1, kIron, kRight, 0},      // Лёгкое Копье
    {2, 4, 0, 22, 1, kWood, kRight, 0},      // Дубинка
    {2, 0, 1, 96, 1, kWood, kLauncher, 0},   // Составной Лук
    {2, 0, 1, 98, 40, kPlain, kQuiver, 0},   // Стрела
    {2, 0, 2, 101, 1, kWood, kLauncher, 0},  // Арбалет
    {2, 0, 2, 104, 30, kPlain, kQuiver, 0},  // Болт
    {2, 0, 3, 109, 1, kWool, kLauncher, 0},  // Праща
    {2, 0, 3, 2, 30, kPlain, kQuiver, 0},    // Камень
    {2, 0, 0, 141, 1, kCloth, kBody, 0},     // Стёганая Куртка
    {2, 0, 0, 27, 1, kLeather, kGloves, 0},  // Кожаные Перчатки
    {2, 0, 0, 30, 1, kPlain, kPack, 0},      // Зелье Лечения
    {2, 0, 0, 28, 2, kFlesh, kPack, 0},      // Буханка Хлеба
    {2, 0, 0, 117, 50, kPlain, kPack, 0},    // gold
    // Wanderer: short blades, axes, spears, clubs; bow, crossbow, sling.
    {3, 1, 0, 32, 1, kIron, kRight, 0},      // Ятаган
    {3, 2, 0, 68, 1, kIron, kRight, 0},      // Томагавк
    {3, 3, 0, 59, 1, kIron, kRight, 0},      // Лёгкое Копье
    {3, 4, 0, 22, 1, kWood, kRight, 0},      // Дубинка
    {3, 0, 1, 94, 1, kWood, kLauncher, 0},   // Короткий Лук
    {3, 0, 1, 98, 25, kPlain, kQuiver, 0},   // Стрела
    {3, 0, 2, 100, 1, kWood, kLauncher, 0},  // Лёгкий Арбалет
    {3, 0, 2, 104, 20, kPlain, kQuiver, 0},  // Болт
    {3, 0, 3, 109, 1, kWool, kLauncher, 0},  // Праща
    {3, 0, 3, 2, 20, kPlain, kQuiver, 0},    // Камень
    {3, 0, 0, 185, 1, kCloth, kBody, 0},     // Рубаха
    {3, 0, 0, 148, 1, kWool, kCloak, 0},     // Плащ
    {3, 0, 0, 3, 1, kLeather, kBoots, 0},    // Сандалии
    {3, 0, 0, 78, 1, kPlain, kPack, 5},      // Жезл Магической Стрелы
    {3, 0, 0, 133, 2, kFlesh, kPack, 0},     // Целебный Лист
    {3, 0, 0, 30, 1, kPlain, kPack, 0},      // Зелье Лечения
    {3, 0, 0, 28, 2, kFlesh, kPack, 0},      // Буханка Хлеба
    {3, 0, 0, 117, 80, kPlain, kPack, 0},    // gold
    // Barbarian: long blades, axes, clubs.
    {4, 1, 0, 73, 1, kIron, kRight, 0},     // Двуручный Меч
    {4, 2, 0, 18, 1, kIron, kRight, 0},     // Боевой Топор
    {4, 3, 0, 7, 1, kWood, kRight, 0},      // Большая Дубина (both hands)
    {4, 0, 0, 8, 1, kLeather, kBody, 0},    // Кожаная Броня
    {4, 0, 0, 147, 1, kLeather, kBelt, 0},  // Пояс
    {4, 0, 0, 30, 1, kPlain, kPack, 0},     // Зелье Лечения
    {4, 0, 0, 28, 3, kFlesh, kPack, 0},     // Буханка Хлеба
    {4, 0, 0, 117, 30, kPlain, kPack, 0},   // gold
};

bool Belongs(const KitEntry& entry, const HeroChoice& choice) {
  return entry.hero_class == choice.hero_class &&
         (entry.weapon == 0 || entry.weapon == choice.weapon) &&
         (entry.missile == 0 || entry.missile == choice.missile);
}

void EmptyPack(Game& game) {
  PileRecord& pack = game.world.piles[kPackPile];
  pack = PileRecord{};
  pack.first = 1;
}

}  // namespace

std::span<const KitEntry> StartingKit() { return kKit; }

void GiveStartingKit(Game& game, const HeroChoice& choice) {
  EmptyPack(game);
  RebuildHands(game);  // bare hands until a weapon is wielded
  if (!game.data.items.Loaded()) return;
  for (const KitEntry& entry : kKit) {
    if (!Belongs(entry, choice)) continue;
    ItemRequest request;
    request.type = entry.type;
    request.blessing = blessing::kUncursed;
    request.count = entry.count;
    request.material = entry.material;
    request.identified = 1;
    request.charges = entry.charges;
    request.prefix = 0;
    request.suffix = 0;
    std::optional<ItemRecord> item = MakeItem(game, request);
    if (!item) continue;
    // Plain gear: no random bonuses.
    item->bonus1 = 0;
    item->bonus2 = 0;
    ItemType& type = game.world.item_types[static_cast<size_t>(entry.type)];
    if (type.category == item_category::kPotion || type.category == item_category::kWand) {
      type.knowledge = 1;
    }
    if (!TakeIntoPack(game, *item) || entry.slot == kPack) continue;
    const int place = FindCarried(game, entry.type);
    if (place > 0) EquipFromPack(game, type.category, place, entry.slot);
  }
  game.control.inventory = InventoryState{};
  game.control.pending_operation = PendingOperation::kNone;
}

}  // namespace zaldrun
