#include "items/item_maker.hpp"

#include <array>
#include <cmath>
#include <span>
#include <string>

#include "base/numbers.hpp"
#include "items/item_lookup.hpp"
#include "items/item_types.hpp"
#include "model/chance.hpp"
#include "model/game.hpp"
#include "model/io.hpp"
#include "records/game_enums.hpp"
#include "records/item_type_table.hpp"

namespace zaldrun {

namespace {

constexpr int kCategories = 10;
// How often each category is drawn for a random item; miscellany and books never are.
constexpr std::array<uint8_t, kCategories> kCategoryWeights = {34, 37, 0,  26, 41,
                                                               43, 0,  30, 22, 27};
constexpr int kNoItem = 0;
constexpr int kNoAffixKind = item_kind::kNoPrefix | item_kind::kNoSuffix;
constexpr int kLastAffixNumber = kAffixListLength;
constexpr char kFaultTitle[] = "Случилась гадость!";

// A whole number drawn uniformly from low..high: Int(r × (high − low + 1) + low).
int RollBetween(Game& game, int low, int high) {
  const double r = game.random.Next();
  return static_cast<int>(std::floor(r * (high - low + 1) + low));
}

uint8_t PickBlessing(Game& game, const ItemDescription& description, uint8_t first) {
  std::string list = {static_cast<char>('0' + first), static_cast<char>('1' + first),
                      static_cast<char>('2' + first)};
  const std::string weights(description.blessing_weights.begin(),
                            description.blessing_weights.end());
  const std::string picked = PickFromList(game, list, weights, 1, false);
  // Weights that are all 0 leave the item uncursed.
  if (picked.empty() || picked[0] < '0') return static_cast<uint8_t>(first + 1);
  return static_cast<uint8_t>(picked[0] - '0');
}

int PickMaterial(Game& game, const ItemDescription& description) {
  const auto n = static_cast<size_t>(description.MaterialCount());
  std::string list(description.material_choices.begin(), description.material_choices.begin() + n);
  const std::string weights(description.material_weights.begin(),
                            description.material_weights.begin() + n);
  const std::string picked = PickFromList(game, list, weights, 1, false);
  return picked.empty() ? 0 : static_cast<unsigned char>(picked[0]);
}

void ReportMaterialFault(Game& game, const ItemRequest& request) {
  if (game.session.io == nullptr) return;
  game.session.io->MessageBox(std::to_string(request.type) + " " +
                                  std::to_string(request.blessing) + " " +
                                  std::to_string(request.count),
                              kFaultTitle);
}

bool AffixNumberValid(int number) {
  return number == kChosenAffix || (number >= 0 && number <= kLastAffixNumber);
}

// Whether affix `affix` may go on an item of this slot, class and category.
bool AffixFits(const AffixRecord& affix, int slot, int skill_class, int category) {
  const int32_t mask = affix.allowed_mask;
  if (category == item_category::kWeapon || category == item_category::kAmmunition) {
    const bool slot_ok =
        HasFlag(mask, int32_t{1} << (slot - 1)) || (slot == 7 && HasFlag(mask, int32_t{1} << 7));
    const bool class_ok = skill_class < 1 || HasFlag(mask, int32_t{1} << (skill_class - 1));
    return slot_ok && class_ok;
  }
  if (slot == 6) return HasFlag(mask, int32_t{1} << 8);
  return HasFlag(mask, int32_t{1} << (slot - 1));
}

// Numbered entries and their weights, for a weighted draw.
template <typename Number, size_t kMost>
struct Candidates {
  std::array<Number, kMost> numbers;
  std::array<uint8_t, kMost> weights;
  size_t count = 0;

  void Add(int number, uint8_t weight) {
    numbers[count] = static_cast<Number>(number);
    weights[count++] = weight;
  }
  // The number drawn by weight; 0 when there is none or every weight is 0.
  int Pick(Game& game) const {
    const int i = PickWeighted(game, std::span(weights.data(), count));
    return i < 0 ? 0 : numbers[static_cast<size_t>(i)];
  }
};

// Draws one of the affixes of one list (first record `base` + 1) that fit the item and the level's
// window, by frequency; its number within the list, or 0 for none.
uint8_t PickAffix(Game& game, int base, int slot, int skill_class, int category) {
  const Level& level = game.world.level;
  Candidates<uint8_t, kAffixListLength> fitting;
  for (int r = 1; r <= kAffixListLength; ++r) {
    const AffixRecord* affix = FindAffix(game, base + r);
    if (affix == nullptr) break;
    if (affix->level < level.item_min_level || affix->level > level.item_max_level) continue;
    if (!AffixFits(*affix, slot, skill_class, category)) continue;
    fitting.Add(r, affix->frequency);
  }
  return static_cast<uint8_t>(fitting.Pick(game));
}

// Draws one of the types of `category` inside the windows by frequency; 0 when there is none or
// only types of frequency 0 (the category fails like an empty one).
int PickTypeOfCategory(Game& game, int category, int lowest_level, int highest_level,
                       int32_t lowest_price, int32_t highest_price) {
  Candidates<int16_t, kItemTypeCount> types;
  for (int t = 1; t <= kItemTypeCount; ++t) {
    const ItemType& entry = game.world.item_types[static_cast<size_t>(t)];
    if (entry.category != category) continue;
    if (entry.level < lowest_level || entry.level > highest_level) continue;
    if (entry.price < lowest_price || entry.price > highest_price) continue;
    types.Add(t, entry.frequency);
  }
  return types.Pick(game);
}

}  // namespace

std::optional<ItemRecord> MakeItem(Game& game, const ItemRequest& request) {
  const ItemType* entry = FindItemType(game, request.type);
  const ItemDescription* description = FindDescription(game, request.type);
  if (entry == nullptr || description == nullptr) return std::nullopt;
  if (!AffixNumberValid(request.prefix) || !AffixNumberValid(request.suffix)) return std::nullopt;
  if (request.blessing < 0 || request.blessing > blessing::kRandomKnown) return std::nullopt;
  LoadItemDescription(game, request.type);

  ItemRecord item;
  item.type = static_cast<int16_t>(request.type);
  if (request.blessing == blessing::kRandomUnknown) {
    item.blessing = PickBlessing(game, *description, blessing::kCursedUnknown);
  } else if (request.blessing == blessing::kRandomKnown) {
    item.blessing = PickBlessing(game, *description, blessing::kCursed);
  } else {
    item.blessing = static_cast<uint8_t>(request.blessing);
  }

  if (request.count >= 0) {
    item.count = request.count;
  } else {
    const int64_t size = RollBetween(game, description->stack_min, description->stack_max);
    item.count = Clamp32(size * -static_cast<int64_t>(request.count));
  }

  AffixChoice chosen;
  if ((description->kind & kNoAffixKind) != kNoAffixKind)
    chosen = ChooseAffixes(game, request.type);
  item.prefix =
      request.prefix == kChosenAffix ? chosen.prefix : static_cast<uint8_t>(request.prefix);
  item.suffix =
      request.suffix == kChosenAffix ? chosen.suffix : static_cast<uint8_t>(request.suffix);

  const int material = request.material != 0 ? request.material : PickMaterial(game, *description);
  if (FindMaterial(material) == nullptr) {
    ReportMaterialFault(game, request);
    return std::nullopt;
  }
  item.material = static_cast<uint8_t>(material);

  if (entry->category == item_category::kWand) {
    item.charges = request.charges != 0 ? Clamp16(request.charges)
                                        : Clamp16(RollBetween(game, description->first_bonus_low,
                                                              description->first_bonus_high));
  } else {
    item.charges = Clamp16(request.charges);
    item.bonus1 =
        Clamp16(RollBetween(game, description->first_bonus_low, description->first_bonus_high));
    item.bonus2 =
        Clamp16(RollBetween(game, description->second_bonus_low, description->second_bonus_high));
  }

  item.identified = static_cast<uint8_t>(request.identified);
  if (request.identified == 0 && entry->knowledge == 1) item.identified = 1;
  item.flags = Clamp16(request.flags);
  return item;
}

int ChooseItemType(Game& game, int lowest_level, int highest_level, int category_request,
                   int32_t lowest_price, int32_t highest_price) {
  std::array<bool, kCategories> failed{};
  int category = -1;
  if (category_request >= 0 && category_request < kCategories) {
    category = category_request;
  } else if (category_request >= kCategories && category_request < 2 * kCategories) {
    failed[static_cast<size_t>(category_request - kCategories)] = true;
  }
  for (;;) {
    if (category < 0) {
      Candidates<uint8_t, kCategories> categories;
      for (int c = 0; c < kCategories; ++c) {
        if (!failed[static_cast<size_t>(c)]) categories.Add(c, kCategoryWeights[static_cast<size_t>(c)]);
      }
      const int i = PickWeighted(game, std::span(categories.weights.data(), categories.count));
      // Nothing drawable is left: every category with a weight failed.
      if (i < 0) return kNoItem;
      category = categories.numbers[static_cast<size_t>(i)];
    }
    const int type = PickTypeOfCategory(game, category, lowest_level, highest_level, lowest_price,
                                        highest_price);
    if (type != 0) return type;
    failed[static_cast<size_t>(category)] = true;
    category = -1;
  }
}

AffixChoice ChooseAffixes(Game& game, int type) {
  const ItemType* entry = FindItemType(game, type);
  const ItemDescription* description = FindDescription(game, type);
  if (entry == nullptr || description == nullptr || description->slot == 0) return {};
  const int slot = description->slot;
  const int category = entry->category;

  int range = 75;
  if (category == item_category::kArmour || category == item_category::kWeapon ||
      category == item_category::kAmmunition) {
    range = 50;
  } else if (category == item_category::kJewellery) {
    range = 100;
  }
  const int n = static_cast<int>(std::floor(game.random.Next() * range)) + 1;
  const bool want_prefix = n <= 4 || (n >= 9 && n <= 11);
  const bool want_suffix = n >= 5 && n <= 11;

  // The lists of fitting affixes are gathered only when the roll asks for an affix.
  AffixChoice choice;
  if (want_prefix && !HasFlag(description->kind, item_kind::kNoPrefix)) {
    choice.prefix = PickAffix(game, 0, slot, entry->skill_class, category);
  }
  if (want_suffix && !HasFlag(description->kind, item_kind::kNoSuffix)) {
    choice.suffix = PickAffix(game, kAffixListLength, slot, entry->skill_class, category);
  }
  return choice;
}

bool ApplyAffix(Game& game, int record) {
  if (record == 0 || record == kAffixListLength) return true;
  const AffixRecord* affix = FindAffix(game, record);
  if (affix == nullptr) return false;
  ItemDescription& d = game.data.items.current;

  for (size_t i = 0; i < 3; ++i) {
    d.attribute_modifiers[i] = Clamp16(static_cast<long long>(RoundHalfEven(
        d.attribute_modifiers[i] * static_cast<double>(affix->attribute_multiplier))));
  }
  for (size_t i = 0; i < d.attribute_modifiers.size(); ++i) {
    d.attribute_modifiers[i] = Clamp16(d.attribute_modifiers[i] + affix->attribute_addends[i]);
  }
  for (size_t i = 0; i < d.resistances.size(); ++i) {
    d.resistances[i] = Clamp16(d.resistances[i] + affix->resistance_addends[i]);
  }
  const double multiplier = affix->damage_multiplier;
  d.damage_min[0] = Clamp16(static_cast<long long>(RoundHalfEven(d.damage_min[0] * multiplier)) +
                            affix->damage_addend);
  d.damage_max[0] = Clamp16(static_cast<long long>(RoundHalfEven(d.damage_max[0] * multiplier)) +
                            affix->damage_addend);
  d.luck = Clamp16(d.luck + affix->luck_addend);
  d.health_bonus = Clamp16(d.health_bonus + affix->health_addend);
  d.mana_bonus = Clamp16(d.mana_bonus + affix->mana_addend);

  for (int32_t flag : affix->kind_flags) {
    if (flag > 0 && !HasFlag(d.kind, flag)) d.kind += flag;
  }
  for (size_t s = 0; s < affix->special_codes.size(); ++s) {
    for (size_t e = 0; e < d.special_codes.size(); ++e) {
      const bool empty = d.special_strengths[e] == 0 && d.special_values[e] == 0;
      if (!empty && d.special_codes[e] != affix->special_codes[s]) continue;
      d.special_codes[e] = affix->special_codes[s];
      d.special_strengths[e] += affix->special_strengths[s];
      d.special_values[e] = Clamp16(d.special_values[e] + affix->special_values[s]);
      break;
    }
  }
  if (affix->extra_damage_kind != 0) {
    for (size_t e = 1; e < d.damage_kind.size(); ++e) {
      if (d.damage_kind[e] != 0 && d.damage_kind[e] != affix->extra_damage_kind) continue;
      d.damage_kind[e] = affix->extra_damage_kind;
      d.damage_min[e] = Clamp16(d.damage_min[e] + affix->extra_damage_min);
      d.damage_max[e] = Clamp16(d.damage_max[e] + affix->extra_damage_max);
      break;
    }
  }
  return true;
}

char PercentPick(Game& game, std::string_view choices, std::string_view percentages) {
  const int r = static_cast<int>(std::floor(game.random.Next() * 100)) + 1;
  int sum = 0;
  for (size_t i = 0; i < percentages.size(); ++i) {
    sum += static_cast<unsigned char>(percentages[i]);
    if (sum >= r) return i < choices.size() ? choices[i] : '\0';
  }
  return '\0';
}

}  // namespace zaldrun
