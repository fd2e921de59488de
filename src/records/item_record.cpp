#include "records/item_record.hpp"

#include <algorithm>
#include <cmath>

#include "base/byte_record.hpp"
#include "base/cp1251.hpp"
#include "base/utf8.hpp"

namespace zaldrun {

namespace {

constexpr DataWord kProperties[] = {
    {"no_prefix", item_kind::kNoPrefix},
    {"no_suffix", item_kind::kNoSuffix},
    {"pierces_armour", item_kind::kPiercesArmour},
    {"drains_life", item_kind::kDrainsLife},
    {"regeneration", item_kind::kRegeneration},
    {"strong_regeneration", item_kind::kStrongRegeneration},
    {"curses_itself", item_kind::kCursesItself},
    {"prevents_slowing", item_kind::kPreventsSlowing},
    {"repels_summoned", item_kind::kRepelsSummoned},
    {"damage_reduction_1", item_kind::kDamageReduction1},
    {"damage_reduction_2", item_kind::kDamageReduction2},
    {"poison_resistance", item_kind::kPoisonResistance},
    {"paralysis_resistance", item_kind::kParalysisResistance},
    {"clear_mind", item_kind::kClearMind},
    {"experience_10", item_kind::kExperience10},
    {"experience_15", item_kind::kExperience15},
    {"artifact", item_kind::kArtifact},
    {"reversed_blessing", item_kind::kReversedBlessing},
    {"critical_hits", item_kind::kCriticalHits},
};
constexpr DataWord kSlots[] = {
    {"none", 0},    {"head", 1},     {"neck", 2},      {"body", 3},        {"belt", 4},
    {"cloak", 5},   {"one_hand", 6}, {"two_hands", 7}, {"ring", 8},        {"bracelet", 9},
    {"gloves", 10}, {"boots", 11},   {"launcher", 12}, {"ammunition", 13},
};
constexpr DataWord kAiming[] = {{"none", 0}, {"target", 1}, {"direction", 2}};

// Limits of the record's figures; far beyond any sound item, tight enough to catch damage.
constexpr int kFigureLimit = 100;
constexpr int kDamageLimit = 250;
constexpr int kStackLimit = 10000;
constexpr int kChargeLimit = 100;
constexpr int kSpecialCodeLimit = 16;
constexpr float kSpecialStrengthLimit = 10.0f;

// The record's byte layout, for encoding and decoding alike.
template <typename Io, typename Description>
void ItemFields(Io& io, Description& d) {
  for (auto* name :
       {&d.name_one, &d.name_many, &d.name_few, &d.unknown_one, &d.unknown_many, &d.unknown_few}) {
    Field(io, *name, kItemNameWidth);
  }
  Field(io, d.blessing_weights);
  Field(io, d.material_weights);
  Field(io, d.material_choices);
  Field(io, d.handler, kHandlerNameWidth);
  Field(io, d.second_handler, kHandlerNameWidth);
  Field(io, d.damage_min);
  Field(io, d.damage_max);
  Field(io, d.damage_kind);
  Field(io, d.second_bonus_low);
  Field(io, d.second_bonus_high);
  Field(io, d.attribute_modifiers);
  Field(io, d.slot);
  Field(io, d.first_bonus_low);
  Field(io, d.first_bonus_high);
  Field(io, d.resistances);
  Field(io, d.luck);
  Field(io, d.health_bonus);
  Field(io, d.mana_bonus);
  Field(io, d.kind);
  Field(io, d.special_codes);
  Field(io, d.special_strengths);
  Field(io, d.special_values);
  Field(io, d.stack_min);
  Field(io, d.stack_max);
  Field(io, d.survival);
}

std::string Describe(std::string_view field, std::string_view message) {
  return std::string(field) + ": " + std::string(message);
}

std::vector<std::u32string> SplitWords(std::string_view utf8) {
  std::vector<std::u32string> words;
  std::u32string current;
  for (char32_t ch : DecodeUtf8(utf8)) {
    if (ch == U' ') {
      words.push_back(current);
      current.clear();
    } else {
      current += ch;
    }
  }
  words.push_back(current);
  return words;
}

bool EndsWith(const std::u32string& word, std::u32string_view ending) {
  return word.size() > ending.size() &&
         word.compare(word.size() - ending.size(), ending.size(), ending) == 0;
}

// The gender an adjective's ending shows (0..3), or -1 when the word is not adjective-shaped.
int AdjectiveGender(const std::u32string& word) {
  if (EndsWith(word, U"ый") || EndsWith(word, U"ий") || EndsWith(word, U"ой")) return 0;
  if (EndsWith(word, U"ая") || EndsWith(word, U"яя")) return 1;
  if (EndsWith(word, U"ое") || EndsWith(word, U"ее")) return 2;
  if (EndsWith(word, U"ые") || EndsWith(word, U"ие")) return 3;
  return -1;
}

std::string Utf8(const std::u32string& text) { return EncodeUtf8(text); }

// A name's characters: printable, in the code page, single blanks between words, within width.
void CheckNameText(std::string_view field, std::string_view name,
                   std::vector<std::string>& errors) {
  if (name.empty()) {
    errors.push_back(Describe(field, "missing"));
    return;
  }
  const std::u32string text = DecodeUtf8(name);
  if (text.size() > kItemNameWidth) {
    errors.push_back(Describe(field, "longer than 30 characters"));
  }
  for (char32_t ch : text) {
    if (ch < 32 || ch == 0x7F || UnicodeToCp1251(ch) < 0 || (ch >= 0x80 && ch < 0xA0)) {
      errors.push_back(Describe(field, "holds a character that is not a letter, digit or sign"));
      return;
    }
  }
  if (text.front() == U' ' || text.back() == U' ' || text.find(U"  ") != std::u32string::npos) {
    errors.push_back(Describe(field, "words must be separated by single blanks"));
  }
}

bool IsWorn(int slot) { return slot >= 1 && slot <= 13; }

// The slots a category's items may name.
bool SlotFitsCategory(int slot, int category, int skill_class) {
  switch (category) {
    case item_category::kWeapon:
      if (skill_class >= 9 && skill_class <= 11) return slot == 12;
      return slot == 6 || slot == 7;
    case item_category::kArmour:
      return slot == 1 || slot == 3 || slot == 4 || slot == 5 || slot == 6 || slot == 10 ||
             slot == 11;
    case item_category::kJewellery:
      return slot == 2 || slot == 8 || slot == 9;
    case item_category::kAmmunition:
      return slot == 13;
    default:
      return slot == 0;
  }
}

void CheckRange(std::string_view field, int value, int low, int high,
                std::vector<std::string>& errors) {
  if (value < low || value > high) {
    errors.push_back(Describe(field, std::to_string(value) + " is outside " + std::to_string(low) +
                                         ".." + std::to_string(high)));
  }
}

void CheckWeights(const ItemDescription& d, std::vector<std::string>& errors) {
  if (d.blessing_weights[0] + d.blessing_weights[1] + d.blessing_weights[2] == 0) {
    errors.push_back(Describe("blessing_weights", "all three weights are 0"));
  }
  for (uint8_t w : d.blessing_weights) {
    if (w == kPaddingByte) {
      errors.push_back(Describe("blessing_weights", "a weight of 32 reads as padding"));
      break;
    }
  }
  const int count = d.MaterialCount();
  bool any_weight = false;
  for (size_t i = 0; i < kMaterialChoiceCount; ++i) {
    const uint8_t material = d.material_choices[i];
    const uint8_t weight = d.material_weights[i];
    if (static_cast<int>(i) < count) {
      if (material < 1 || material > 20) {
        errors.push_back(
            Describe("materials", "material " + std::to_string(material) + " is outside 1..20"));
      }
      if (weight == kPaddingByte) {
        errors.push_back(Describe("materials", "a weight of 32 reads as padding"));
      }
      if (weight > 0 && material >= 1 && material <= 20) any_weight = true;
    } else if (material != kPaddingByte || weight != kPaddingByte) {
      errors.push_back(Describe("materials", "choices after the first blank must be blank"));
      break;
    }
  }
  if (!any_weight) {
    errors.push_back(Describe("materials", "no material 1..20 has a weight above 0"));
  }
}

void CheckHandlerText(std::string_view field, const std::string& name,
                      std::vector<std::string>& errors) {
  for (char ch : name) {
    const bool letter = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
    if (!letter) {
      errors.push_back(Describe(field, "must consist of Latin letters"));
      return;
    }
  }
  if (name.size() > kHandlerNameWidth) errors.push_back(Describe(field, "longer than 12"));
}

void CheckDamage(const ItemDescription& d, bool weapon, std::vector<std::string>& errors) {
  for (int i = 0; i < 4; ++i) {
    const int low = d.damage_min[i];
    const int high = d.damage_max[i];
    const int kind = d.damage_kind[i];
    const std::string field = i == 0 ? "damage" : "extra_damage " + std::to_string(i);
    if (!weapon) {
      if (low != 0 || high != 0 || kind != 0) {
        errors.push_back(Describe(field, "only weapons and ammunition deal damage"));
      }
      continue;
    }
    if (i == 0 && kind == 0) {
      errors.push_back(Describe(field, "a weapon needs the kind of its damage"));
      continue;
    }
    if (kind == 0) {
      if (low != 0 || high != 0) errors.push_back(Describe(field, "damage without a kind"));
      continue;
    }
    CheckRange(field + " kind", kind, 1, 10, errors);
    CheckRange(field + " min", low, 0, kDamageLimit, errors);
    CheckRange(field + " max", high, 0, kDamageLimit, errors);
    if (low > high) errors.push_back(Describe(field, "min is above max"));
  }
}

void CheckSpecials(const ItemDescription& d, bool weapon, std::vector<std::string>& errors) {
  for (int i = 0; i < 4; ++i) {
    const float strength = d.special_strengths[i];
    const int value = d.special_values[i];
    const bool empty = strength == 0.0f && value == 0;
    if (empty) {
      if (d.special_codes[i] != 0)
        errors.push_back(Describe("slaying", "empty entry with a class"));
      continue;
    }
    if (!weapon) {
      errors.push_back(Describe("slaying", "only weapons and ammunition slay"));
      return;
    }
    CheckRange("slaying against", d.special_codes[i], 0, kSpecialCodeLimit, errors);
    if (!std::isfinite(strength) || strength < 0.0f || strength > kSpecialStrengthLimit) {
      errors.push_back(Describe("slaying multiplier", "must lie within 0..10"));
    }
    CheckRange("slaying bonus", value, -kFigureLimit, kFigureLimit, errors);
  }
}

void CheckFigures(const ItemDescription& d, const ItemRecordContext& c,
                  std::vector<std::string>& errors) {
  const bool worn = IsWorn(d.slot);
  const bool scroll = c.category == item_category::kScroll || c.category == item_category::kBook;
  for (int i = 0; i < 10; ++i) {
    const int value = d.attribute_modifiers[i];
    const std::string field = "attributes " + std::string(WordOf(AttributeModifierWords(), i + 1));
    if (scroll) {
      // Scrolls and books use modifiers 1 and 2 as flags only.
      if (i == 0 && value != 0 && value != 2) {
        errors.push_back(Describe("used_up", "modifier 1 of a scroll must be 0 or 2"));
      } else if (i == 1 && value != 0 && value != 1) {
        errors.push_back(Describe("needs_target", "modifier 2 of a scroll must be 0 or 1"));
      } else if (i >= 2 && value != 0) {
        errors.push_back(Describe(field, "scrolls have no attribute modifiers"));
      }
    } else if (!worn && value != 0) {
      errors.push_back(Describe(field, "only worn items change attributes"));
    } else {
      CheckRange(field, value, -kFigureLimit, kFigureLimit, errors);
    }
  }
  for (int i = 0; i < 9; ++i) {
    const std::string field = "protection " + std::string(WordOf(ProtectionWords(), i));
    if (!worn && d.resistances[i] != 0) {
      errors.push_back(Describe(field, "only worn items protect"));
    } else {
      CheckRange(field, d.resistances[i], -kFigureLimit, kFigureLimit, errors);
    }
  }
  const std::pair<const char*, int> values[] = {
      {"luck", d.luck}, {"health_bonus", d.health_bonus}, {"mana_bonus", d.mana_bonus}};
  for (const auto& [field, value] : values) {
    if (!worn && value != 0) {
      errors.push_back(Describe(field, "only worn items give it"));
    } else {
      CheckRange(field, value, -kFigureLimit, kFigureLimit, errors);
    }
  }
  if (d.kind < 0 || (d.kind & ~KnownKindBits()) != 0) {
    errors.push_back(Describe("properties", "unknown kind bits in " + std::to_string(d.kind)));
  }
}

void CheckBonuses(const ItemDescription& d, const ItemRecordContext& c,
                  std::vector<std::string>& errors) {
  if (c.category == item_category::kWand) {
    CheckRange("charges", d.first_bonus_low, 0, kChargeLimit, errors);
    CheckRange("charges", d.first_bonus_high, 0, kChargeLimit, errors);
    if (d.first_bonus_low > d.first_bonus_high) {
      errors.push_back(Describe("charges", "lowest is above highest"));
    }
    CheckRange("aiming", d.second_bonus_low, 0, 2, errors);
    if (d.second_bonus_high != 0) errors.push_back(Describe("aiming", "high value must be 0"));
    return;
  }
  const bool worn = IsWorn(d.slot);
  const std::pair<const char*, std::pair<int, int>> ranges[] = {
      {"first_bonus", {d.first_bonus_low, d.first_bonus_high}},
      {"second_bonus", {d.second_bonus_low, d.second_bonus_high}}};
  for (const auto& [field, range] : ranges) {
    if (!worn && (range.first != 0 || range.second != 0)) {
      errors.push_back(Describe(field, "only worn items have bonuses"));
      continue;
    }
    CheckRange(field, range.first, -kFigureLimit, kFigureLimit, errors);
    CheckRange(field, range.second, -kFigureLimit, kFigureLimit, errors);
    if (range.first > range.second) errors.push_back(Describe(field, "lowest is above highest"));
  }
}

void CheckPoolNames(const ItemDescription& d, const ItemRecordContext& c,
                    std::vector<std::string>& errors) {
  const bool bare_noun_pool = c.pool == AppearancePool::kAmulet ||
                              c.pool == AppearancePool::kRing || c.pool == AppearancePool::kWand;
  if (bare_noun_pool) {
    for (const std::string* name : {&d.unknown_one, &d.unknown_many, &d.unknown_few}) {
      if (name->find(' ') != std::string::npos) {
        errors.push_back(Describe("unknown_name", "must be the bare noun, one word"));
        break;
      }
    }
  }
  const std::u32string one = DecodeUtf8(d.unknown_one);
  const char32_t first = one.empty() ? 0 : one.front();
  if (c.pool == AppearancePool::kAmulet && first != U'А') {
    errors.push_back(Describe("unknown_name", "an amulet's must start with \"А\""));
  }
  if (c.pool == AppearancePool::kRing && first != U'К') {
    errors.push_back(Describe("unknown_name", "a ring's must start with \"К\""));
  }
  // The name builder tells amulets from rings by that letter; other types must not borrow it.
  if (c.category == item_category::kJewellery && c.pool == AppearancePool::kNone && (first == U'А' || first == U'К')) {
    errors.push_back(Describe("unknown_name", "must not start with \"А\" or \"К\" without a pool"));
  }
}

}  // namespace

int ItemDescription::MaterialCount() const {
  int count = 0;
  while (count < static_cast<int>(kMaterialChoiceCount) &&
         material_choices[count] != kPaddingByte) {
    ++count;
  }
  return count;
}

std::vector<uint8_t> EncodeItemDescription(const ItemDescription& d) {
  RecordWriter w;
  ItemFields(w, d);
  return w.Take();
}

bool DecodeItemDescription(std::span<const uint8_t> bytes, ItemDescription* d) {
  if (bytes.size() != kItemRecordSize) return false;
  RecordReader r(bytes);
  ItemFields(r, *d);
  return !r.failed() && r.remaining() == 0;
}

std::vector<std::string> CheckNameForms(std::string_view field, std::string_view one,
                                        std::string_view many, std::string_view few, int gender) {
  std::vector<std::string> errors;
  const std::string base(field);
  CheckNameText(base + "_one", one, errors);
  CheckNameText(base + "_many", many, errors);
  CheckNameText(base + "_few", few, errors);
  if (!errors.empty()) return errors;

  const auto w_one = SplitWords(one);
  const auto w_many = SplitWords(many);
  const auto w_few = SplitWords(few);
  if (w_one.size() != w_many.size() || w_one.size() != w_few.size()) {
    errors.push_back(Describe(base, "the three forms must have the same number of words"));
    return errors;
  }
  if (w_one.size() >= 2) {
    const int adjective = AdjectiveGender(w_one[0]);
    if (adjective >= 0 && adjective != gender) {
      errors.push_back(Describe(base + "_one", "\"" + Utf8(w_one[0]) + "\" is " +
                                                   std::string(WordOf(GenderWords(), adjective)) +
                                                   ", the type is " +
                                                   std::string(WordOf(GenderWords(), gender))));
    }
    if (adjective >= 0) {
      // After numbers the adjective takes the genitive plural: 5 Длинных Мечей, 2 Длинных Меча.
      for (const auto* words : {&w_many, &w_few}) {
        const std::u32string& w = (*words)[0];
        if (!EndsWith(w, U"ых") && !EndsWith(w, U"их")) {
          errors.push_back(Describe(base + (words == &w_many ? "_many" : "_few"),
                                    "\"" + Utf8(w) + "\" must end in -ых or -их"));
        }
      }
    }
  }
  if (one == many) errors.push_back(Describe(base + "_many", "same as the form for one"));
  if (gender != 3) {
    if (one == few) errors.push_back(Describe(base + "_few", "same as the form for one"));
    if (many == few) errors.push_back(Describe(base + "_few", "same as the form for many"));
  }
  return errors;
}

std::vector<std::string> ValidateItemRecord(const ItemDescription& d, const ItemRecordContext& c) {
  std::vector<std::string> errors;
  auto append = [&errors](std::vector<std::string> more) {
    errors.insert(errors.end(), more.begin(), more.end());
  };
  append(CheckNameForms("name", d.name_one, d.name_many, d.name_few, c.gender));
  append(CheckNameForms("unknown_name", d.unknown_one, d.unknown_many, d.unknown_few, c.gender));
  CheckPoolNames(d, c, errors);
  CheckWeights(d, errors);
  CheckHandlerText("handler", d.handler, errors);
  if (!d.second_handler.empty()) errors.push_back(Describe("second_handler", "must be blank"));
  if (!SlotFitsCategory(d.slot, c.category, c.skill_class)) {
    errors.push_back(Describe("slot", "slot " + std::to_string(d.slot) + " does not fit category " +
                                          std::to_string(c.category)));
  }
  const bool weapon = c.category == item_category::kWeapon || c.category == item_category::kAmmunition;
  CheckDamage(d, weapon, errors);
  CheckSpecials(d, weapon, errors);
  CheckFigures(d, c, errors);
  CheckBonuses(d, c, errors);
  if (d.stack_min < 1) errors.push_back(Describe("stack", "smallest stack must be at least 1"));
  if (d.stack_max < d.stack_min || d.stack_max > kStackLimit) {
    errors.push_back(Describe("stack", "largest stack must lie within smallest..10000"));
  }
  return errors;
}

std::span<const DataWord> ItemPropertyWords() { return kProperties; }
std::span<const DataWord> ItemSlotWords() { return kSlots; }
std::span<const DataWord> WandAimingWords() { return kAiming; }

int32_t KnownKindBits() {
  int32_t bits = 0;
  for (const DataWord& w : kProperties) bits |= w.value;
  return bits;
}

}  // namespace zaldrun
