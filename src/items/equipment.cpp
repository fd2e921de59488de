#include "items/equipment.hpp"

#include <algorithm>
#include <array>

#include "base/numbers.hpp"
#include "engine/attributes.hpp"
#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "items/hand_figures.hpp"
#include "items/item_maker.hpp"
#include "items/item_names.hpp"
#include "items/item_types.hpp"
#include "items/pack.hpp"
#include "items/piles.hpp"
#include "model/game.hpp"
#include "records/materials.hpp"

namespace zaldrun {
namespace {

constexpr std::array<std::string_view, kEquipmentSlots + 1> kSlotLabels = {"",
                                                                           "Голова:",
                                                                           "Шея:",
                                                                           "Туловище:",
                                                                           "Пояс:",
                                                                           "Плащ:",
                                                                           "Правая Рука:",
                                                                           "Левая рука:",
                                                                           "Правое Кольцо:",
                                                                           "Браслеты:",
                                                                           "Перчатки:",
                                                                           "Ботинки:",
                                                                           "Дальний Бой:",
                                                                           "Стрелы:",
                                                                           "Предмет:",
                                                                           "Левое Кольцо:"};

// Attribute modifiers 1..10 of a description: 1 the defence value, 2..10 attributes 0..8.
constexpr int kModifierCount = 10;
constexpr int kMaterialScaledModifiers = 3;  // modifiers 1..3 of armour follow the material
constexpr int kProtectionKinds = 9;          // protections of damage kinds 1..9

int Rounded(double value) { return static_cast<int>(RoundHalfEven(value)); }

int FloorDiv(int a, int b) {
  int q = a / b;
  if (a % b != 0 && (a < 0) != (b < 0)) --q;
  return q;
}

void Add16(int16_t& field, int delta) { field = Clamp16(static_cast<long long>(field) + delta); }
void AddByte(uint8_t& field, int delta) {
  field = static_cast<uint8_t>(std::clamp(static_cast<int>(field) + delta, 0, 255));
}

bool ValidSlot(int slot) { return slot >= 1 && slot <= kEquipmentSlots; }
ItemRecord& SlotItem(Game& game, int slot) {
  return game.world.hero.equipment[static_cast<size_t>(slot)];
}

// The hero figures of the kind bits while the item is worn.
void KindFigures(Hero& hero, int32_t kind, int b, int sign) {
  if ((kind & item_kind::kDrainsLife) != 0) AddByte(hero.life_drain, sign);
  if ((kind & item_kind::kRegeneration) != 0) Add16(hero.regen_rate, -sign * (35 + 5 * b));
  if ((kind & item_kind::kStrongRegeneration) != 0) Add16(hero.regen_rate, -sign * (70 + 10 * b));
  if ((kind & item_kind::kPreventsSlowing) != 0) AddByte(hero.anti_slowing, sign * (5 + b));
  if ((kind & item_kind::kRepelsSummoned) != 0) AddByte(hero.ward, sign * (7 + 2 * b));
  if ((kind & item_kind::kDamageReduction1) != 0) AddByte(hero.absorption, sign);
  if ((kind & item_kind::kDamageReduction2) != 0) AddByte(hero.absorption, sign * 2);
  if ((kind & item_kind::kPoisonResistance) != 0)
    AddByte(hero.poison_resistance, sign * (4 + 2 * b));
  if ((kind & item_kind::kParalysisResistance) != 0) {
    AddByte(hero.paralysis_resistance, sign * (8 + 2 * b));
  }
  if ((kind & item_kind::kClearMind) != 0) AddByte(hero.confusion_resistance, sign * (8 + 2 * b));
  if ((kind & item_kind::kExperience10) != 0) AddByte(hero.experience_bonus, sign * 2);
  if ((kind & item_kind::kExperience15) != 0) AddByte(hero.experience_bonus, sign * 3);
  if ((kind & item_kind::kCriticalHits) != 0) {
    Add16(hero.fortune_bonus, sign * 15);
    Add16(hero.missile_critical, sign * 12);
  }
}

// Health and mana bonuses change the maxima; the current values never stay above them.
void ChangeMaximum(int16_t& maximum, int16_t& current, int delta) {
  Add16(maximum, delta);
  if (current > maximum && maximum > 0) current = maximum;
}

// Adds (sign 1) or takes away (sign -1) the figures of the item in `slot`. Both directions read the
// same item and description, so taking an item off gives back exactly what putting it on gave.
void Effects(Game& game, int slot, int sign) {
  if (!ValidSlot(slot)) return;
  Hero& hero = game.world.hero;
  const ItemRecord item = SlotItem(game, slot);
  if (item.count <= 0 || item.type < 1 || item.type > kItemTypeCount) return;
  const ItemDescription d = LoadFullDescription(game, item);
  const ItemType& type = game.world.item_types[static_cast<size_t>(item.type)];
  const int b = BlessingFactor(item, d.kind);
  const bool armour = type.category == item_category::kArmour;
  std::array<bool, kAttributeCount> changed{};

  for (int i = 0; i < kModifierCount; ++i) {
    const int value = WornModifier(game, item, d, i);
    if (value == 0) continue;
    if (i == 0) {
      Add16(hero.defence_bonus, sign * value);
    } else {
      Add16(hero.attributes.equipment[static_cast<size_t>(i - 1)], sign * value);
      changed[static_cast<size_t>(i - 1)] = true;
    }
  }
  for (int i = 0; i < kProtectionKinds; ++i) {
    Add16(hero.resistance_bonus[static_cast<size_t>(i + 1)], sign * WornProtection(item, d, i));
  }
  // Armour and jewellery: the first bonus protects from blows, the second adds to the defence.
  if (armour || type.category == item_category::kJewellery) {
    for (int kind = damage_kind::kPhysical1; kind <= damage_kind::kPhysical3; ++kind) {
      Add16(hero.resistance_bonus[static_cast<size_t>(kind)], sign * item.bonus1);
    }
    Add16(hero.defence_bonus, sign * item.bonus2);
  }
  Add16(hero.speed_bonus, sign * WornSpeed(game, item, d));
  auto scaled_if_positive = [b](int value) {
    return value > 0 ? ScaleByBlessing(b, value) : value;
  };
  Add16(hero.fortune_bonus, sign * scaled_if_positive(d.luck));
  ChangeMaximum(hero.max_hp, hero.hp, sign * scaled_if_positive(d.health_bonus));
  ChangeMaximum(hero.max_pp, hero.pp, sign * scaled_if_positive(d.mana_bonus));
  // Only a kind beyond the two affix bits gives hero figures.
  if (d.kind > item_kind::kNoAffixes) KindFigures(hero, d.kind, b, sign);

  for (int a = 0; a < kAttributeCount; ++a) {
    if (changed[static_cast<size_t>(a)]) RecomputeDerived(game, a);
  }
  if (changed[attribute::kStrength]) ReweighBurden(game);
  RebuildHands(game);
  UpdateHeroLabels(game);
}

}  // namespace

bool RefuseCursedRemoval(Game& game, int slot) {
  if (!ValidSlot(slot)) return false;
  if (slot == equipment_slot::kAmmunition) return false;
  ItemRecord& item = SlotItem(game, slot);
  if (item.blessing == blessing::kCursed) {
    ShowMessage(game, kCursedItemMessage);
    return true;
  }
  if (item.blessing == blessing::kCursedUnknown) {
    ShowMessage(game, kCursedItemMessage);
    item.blessing = blessing::kCursed;
    return true;
  }
  return false;
}

std::string_view SlotLabel(int slot) {
  return ValidSlot(slot) ? kSlotLabels[static_cast<size_t>(slot)] : std::string_view();
}

const ItemDescription& LoadFullDescription(Game& game, const ItemRecord& item) {
  LoadItemDescription(game, item.type);
  if (item.prefix != 0) ApplyAffix(game, item.prefix);
  if (item.suffix != 0) ApplyAffix(game, kAffixListLength + item.suffix);
  return game.data.items.current;
}

int BlessingFactor(const ItemRecord& item, int32_t kind) {
  int b = item.blessing >= blessing::kCursedUnknown ? item.blessing - blessing::kCursedUnknown
                                                    : item.blessing;
  b = std::clamp(b, 0, 2);
  if ((kind & item_kind::kReversedBlessing) != 0) b = 2 - b;
  return b;
}

int ScaleByBlessing(int b, int value) { return FloorDiv((b + 4) * value, 5); }
int ScaleExtraDamage(int b, int value) { return FloorDiv((b + 9) * value, 10); }

int WornModifier(const Game& game, const ItemRecord& item, const ItemDescription& d, int i) {
  if (i < 0 || i >= kModifierCount) return 0;
  int value = d.attribute_modifiers[static_cast<size_t>(i)];
  if (value == 0) return 0;
  const MaterialType* material = FindMaterial(item.material);
  if (i < kMaterialScaledModifiers) {
    const bool armour =
        item.type >= 1 && item.type <= kItemTypeCount &&
        game.world.item_types[static_cast<size_t>(item.type)].category == item_category::kArmour;
    return armour && material != nullptr ? Rounded(value * material->armour_factor) : value;
  }
  if (material != nullptr) value += material->attribute_bonus[static_cast<size_t>(i - 3)];
  return ScaleByBlessing(BlessingFactor(item, d.kind), value);
}

int WornProtection(const ItemRecord& item, const ItemDescription& d, int i) {
  if (i < 0 || i >= kProtectionKinds) return 0;
  const int value = d.resistances[static_cast<size_t>(i)];
  return value >= 1 ? ScaleByBlessing(BlessingFactor(item, d.kind), value) : value;
}

int WornSpeed(const Game& game, const ItemRecord& item, const ItemDescription& d) {
  if (item.type < 1 || item.type > kItemTypeCount) return 0;
  const ItemType& type = game.world.item_types[static_cast<size_t>(item.type)];
  if (type.category == item_category::kWeapon || type.category == item_category::kAmmunition) {
    return 0;
  }
  if (game.world.hero.hero_class == classes::kWarrior &&
      (d.slot == equipment_slot::kBody || d.slot == equipment_slot::kRightHand)) {
    return Rounded(type.speed * 0.66);
  }
  return type.speed;
}

void ApplyEquipEffects(Game& game, int slot) { Effects(game, slot, 1); }
void RemoveEquipEffects(Game& game, int slot) { Effects(game, slot, -1); }

void ChangeWornBlessing(Game& game, int slot, uint8_t state) {
  if (!ValidSlot(slot) || SlotItem(game, slot).count <= 0) return;
  RemoveEquipEffects(game, slot);
  SlotItem(game, slot).blessing = state;
  ApplyEquipEffects(game, slot);
}

bool PutIntoSlot(Game& game, int slot, const ItemRecord& item) {
  if (!ValidSlot(slot) || SlotItem(game, slot).count > 0 || item.count <= 0) return false;
  ItemRecord& worn = SlotItem(game, slot);
  worn = item;
  if ((LoadFullDescription(game, worn).kind & item_kind::kCursesItself) != 0) {
    ShowMessage(game, ItemName(game, worn) + " на пару секунд окружается красным сиянием.");
    worn.blessing = blessing::kCursed;
  }
  ApplyEquipEffects(game, slot);
  ChangeBurden(game, StackWeight(game, worn, worn.count));
  return true;
}

void ResizeWornStack(Game& game, int slot, int32_t count) {
  if (!ValidSlot(slot) || SlotItem(game, slot).count <= 0) return;
  if (count <= 0) {
    ClearSlot(game, slot);
    return;
  }
  ItemRecord& worn = SlotItem(game, slot);
  ChangeBurden(game, StackWeight(game, worn, count) - StackWeight(game, worn, worn.count));
  worn.count = count;
}

bool TakeOff(Game& game, int slot) {
  if (!ValidSlot(slot)) return false;
  if (SlotItem(game, slot).count <= 0) return true;
  if (RefuseCursedRemoval(game, slot)) return false;
  // The launcher's ammunition comes off with it: without the launcher it could not be shot.
  if (slot == equipment_slot::kLauncher && !TakeOff(game, equipment_slot::kAmmunition)) {
    return false;
  }
  if (!TakeIntoPack(game, SlotItem(game, slot))) {
    ShowMessage(game, kPackFullMessage);
    return false;
  }
  ClearSlot(game, slot);
  return true;
}

ItemRecord ClearSlot(Game& game, int slot) {
  if (!ValidSlot(slot) || SlotItem(game, slot).count <= 0) return ItemRecord{};
  RemoveEquipEffects(game, slot);
  const ItemRecord item = SlotItem(game, slot);
  SlotItem(game, slot) = ItemRecord{};
  RebuildHands(game);
  ChangeBurden(game, -StackWeight(game, item, item.count));
  return item;
}

}  // namespace zaldrun
