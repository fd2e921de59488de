#include "items/item_description.hpp"

#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "base/numbers.hpp"
#include "items/equipment.hpp"
#include "items/hand_figures.hpp"
#include "model/game.hpp"
#include "records/hero_tables.hpp"
#include "records/materials.hpp"
#include "records/text_table.hpp"

namespace zaldrun {
namespace {

constexpr int kWeightUnitsPerKilo = 20;

// The names of what attribute modifiers 1..10 change.
constexpr std::array<std::string_view, 10> kModifierNames = {
    "Защита",       "Сила",    "Ум",        "Воля",         "Ловкость",
    "Выносливость", "Харизма", "Внешность", "Магич. Связь", "Восприятие"};
// What the protections of damage kinds 1..9 protect from.
constexpr std::array<std::string_view, 9> kProtectionNames = {
    "порезов", "уколов",        "ударов",  "магии",      "огня",
    "холода",  "электричества", "кислоты", "святой силы"};

// The lines of the kind bits that have one of their own.
struct KindLine {
  int32_t bit;
  std::string_view text;
};
constexpr KindLine kKindLines[] = {
    {item_kind::kPiercesArmour, "Пробивает сквозь любую броню. "},
    {item_kind::kDrainsLife, "Похищает жизнь. "},
    {item_kind::kRegeneration | item_kind::kStrongRegeneration, "Ускоряет регенерацию. "},
    {item_kind::kPreventsSlowing, "Препятствует уменьшению скорости. "},
    {item_kind::kRepelsSummoned, "Отражает атаки существ, призванных из других миров. "},
    {item_kind::kPoisonResistance, "Даёт сопротивление ядам. "},
    {item_kind::kParalysisResistance, "Даёт сопротивление параличу. "},
    {item_kind::kClearMind, "Защищает от помутнений рассудка. "},
    {item_kind::kCriticalHits, "Увеличивает шанс критического удара на 5%. "},
};

std::string Signed(int value) { return (value > 0 ? "+" : "") + std::to_string(value); }

// A number with at most two decimals, without trailing zeros: 1.5, 2, 0.25.
std::string Decimal(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  std::string result = text;
  while (!result.empty() && result.back() == '0') result.pop_back();
  if (!result.empty() && result.back() == '.') result.pop_back();
  return result;
}

std::string Range(int low, int high) {
  return low == high ? std::to_string(low) : std::to_string(low) + "-" + std::to_string(high);
}

// Extra damage of kind 4..10 is named by its element ("огнём"); physical kinds need no word.
std::string ExtraDamage(int low, int high, int kind) {
  std::string text = " +" + Range(low, high);
  const std::string& element = FetchText(text_ids::kElementPhraseBase + kind);
  if (kind > damage_kind::kPhysical3 && !element.empty()) text += " " + element;
  return text;
}

bool IsWeaponLike(int category) {
  return category == item_category::kWeapon || category == item_category::kAmmunition;
}

void KindBitLines(int32_t kind, std::vector<std::string>& lines) {
  for (const KindLine& line : kKindLines) {
    if ((kind & line.bit) != 0) lines.emplace_back(line.text);
  }
  const int reduction = ((kind & item_kind::kDamageReduction1) != 0 ? 1 : 0) +
                        ((kind & item_kind::kDamageReduction2) != 0 ? 2 : 0);
  if (reduction > 0)
    lines.push_back("Все повреждения снижаются на " + std::to_string(reduction) + " ");
  const int experience = ((kind & item_kind::kExperience10) != 0 ? 10 : 0) +
                         ((kind & item_kind::kExperience15) != 0 ? 15 : 0);
  if (experience > 0) {
    lines.push_back("Увеличивает получаемый опыт на " + std::to_string(experience) + "% ");
  }
}

void DamageLines(Game& game, const ItemRecord& item, const ItemDescription& d,
                 std::vector<std::string>& lines) {
  if (d.slot == equipment_slot::kLauncher) {
    lines.push_back("Сила выстрела: x" + Decimal(LauncherFigure(game, item) / 100.0 + 1));
    if (item.bonus1 != 0) lines.push_back("Бонус точности: " + Signed(item.bonus1));
    return;
  }
  std::string damage = "Урон: " + Range(d.damage_min[0], d.damage_max[0]);
  const int b = BlessingFactor(item, d.kind);
  for (size_t c = 1; c < d.damage_kind.size(); ++c) {
    if (d.damage_kind[c] == 0) continue;
    damage += ExtraDamage(ScaleExtraDamage(b, d.damage_min[c]),
                          ScaleExtraDamage(b, d.damage_max[c]), d.damage_kind[c]);
  }
  lines.push_back(damage);
  if (item.bonus1 != 0) lines.push_back("Бонус точности: " + Signed(item.bonus1));
  if (item.bonus2 != 0) lines.push_back("Бонус урона: " + Signed(item.bonus2));
}

void WornFigureLines(const Game& game, const ItemRecord& item, const ItemDescription& d,
                     std::vector<std::string>& lines) {
  for (int i = 0; i < static_cast<int>(kModifierNames.size()); ++i) {
    const int value = WornModifier(game, item, d, i);
    if (value != 0)
      lines.push_back(std::string(kModifierNames[static_cast<size_t>(i)]) + " " + Signed(value));
  }
  for (int i = 0; i < static_cast<int>(kProtectionNames.size()); ++i) {
    const int value = WornProtection(item, d, i);
    if (value != 0) {
      lines.push_back("Защита от " + std::string(kProtectionNames[static_cast<size_t>(i)]) + " " +
                      Signed(value));
    }
  }
  const int category = game.world.item_types[static_cast<size_t>(item.type)].category;
  if (category == item_category::kArmour || category == item_category::kJewellery) {
    if (item.bonus1 != 0) lines.push_back("Броня: " + Signed(item.bonus1));
    if (item.bonus2 != 0) lines.push_back("Защита: " + Signed(item.bonus2));
  }
}

void EquipmentValueLines(const ItemRecord& item, const ItemDescription& d,
                         std::vector<std::string>& lines) {
  const int b = BlessingFactor(item, d.kind);
  auto scaled = [b](int value) { return value > 0 ? ScaleByBlessing(b, value) : value; };
  if (d.luck > 0) lines.emplace_back("Приносит удачу. ");
  if (d.luck < 0) lines.emplace_back("Приносит неудачу. ");
  if (d.health_bonus != 0) {
    const int v = scaled(d.health_bonus);
    lines.push_back((v > 0 ? "Увеличивает здоровье на " : "Уменьшает здоровье на ") +
                    std::to_string(std::abs(v)));
  }
  if (d.mana_bonus != 0) {
    const int v = scaled(d.mana_bonus);
    lines.push_back((v > 0 ? "Увеличивает ману на " : "Уменьшает ману на ") +
                    std::to_string(std::abs(v)));
  }
  for (size_t i = 0; i < d.special_codes.size(); ++i) {
    const int code = d.special_codes[i];
    if (d.special_strengths[i] == 0 && d.special_values[i] == 0) continue;
    const std::string& against = FetchText(text_ids::kCreatureClassBase + code);
    if (against.empty()) continue;
    lines.push_back("x" + Decimal((b + 4) * 0.2 * d.special_strengths[i]) + " и +" +
                    std::to_string(ScaleByBlessing(b, d.special_values[i])) +
                    " повреждений против " + against);
  }
}

// The hand the item in `worn_slot` fills, as combat uses it.
void HandLine(const Game& game, int worn_slot, std::vector<std::string>& lines) {
  int h = -1;
  if (worn_slot == equipment_slot::kRightHand) h = hand::kRight;
  if (worn_slot == equipment_slot::kLeftHand) h = hand::kLeft;
  if (worn_slot == equipment_slot::kAmmunition || worn_slot == equipment_slot::kLauncher) {
    h = hand::kMissile;
  }
  if (h < 0) return;
  const AttackProfile& a = game.world.hero.attack;
  if (a.damage_kind[AttackProfile::Component(h, 0)] == 0) return;
  std::string text = "В бою: урон " + Range(a.damage_low[AttackProfile::Component(h, 0)],
                                            a.damage_high[AttackProfile::Component(h, 0)]);
  for (int c = 1; c < kDamageComponents; ++c) {
    const size_t at = AttackProfile::Component(h, c);
    if (a.damage_kind[at] != 0)
      text += ExtraDamage(a.damage_low[at], a.damage_high[at], a.damage_kind[at]);
  }
  text += ", точность " + Signed(a.to_hit[static_cast<size_t>(h)] + game.world.hero.to_hit);
  lines.push_back(text);
}

}  // namespace

std::string WeightLine(const Game& game, const ItemRecord& item) {
  if (item.type < 1 || item.type > kItemTypeCount) return {};
  const MaterialType* material = FindMaterial(item.material);
  const int weight =
      static_cast<int>(RoundHalfEven(game.world.item_types[static_cast<size_t>(item.type)].weight *
                                     (material != nullptr ? material->weight_factor : 1.0)));
  return std::to_string(weight) + "s (" +
         Decimal(static_cast<double>(weight) / kWeightUnitsPerKilo) + " кг)";
}

std::vector<std::string> DescribeItem(Game& game, const ItemRecord& item, int worn_slot) {
  std::vector<std::string> lines;
  if (item.count <= 0 || item.type < 1 || item.type > kItemTypeCount) return lines;
  lines.push_back(WeightLine(game, item));
  if (item.identified == 0) return lines;
  const ItemDescription d = LoadFullDescription(game, item);
  const ItemType& type = game.world.item_types[static_cast<size_t>(item.type)];
  if ((d.kind & item_kind::kArtifact) != 0) lines.emplace_back("Это Артефакт. ");
  if (IsWeaponLike(type.category)) {
    if (type.skill_class >= 1 && type.skill_class <= 12) {
      lines.push_back("Класс: " + std::string(SkillTable()[type.skill_class].name));
    }
    lines.push_back("Скорость атаки: " + std::to_string(type.speed));
    DamageLines(game, item, d, lines);
  } else if (d.slot != 0) {
    const int speed = WornSpeed(game, item, d);
    if (speed > 0) lines.push_back("Увеличивает скорость на " + std::to_string(speed));
    if (speed < 0) lines.push_back("Уменьшает скорость на " + std::to_string(-speed));
  }
  if (d.slot != 0) WornFigureLines(game, item, d, lines);
  KindBitLines(d.kind, lines);
  EquipmentValueLines(item, d, lines);
  HandLine(game, worn_slot, lines);
  return lines;
}

}  // namespace zaldrun
