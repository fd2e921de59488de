#include "records/monster_record.hpp"

#include <algorithm>
#include <initializer_list>

#include "base/byte_record.hpp"
#include "base/utf8.hpp"

namespace zaldrun {

namespace {

#define ZALDRUN_OR_CLASS_BIT(name, value, word) | (int32_t{1} << value)
#define ZALDRUN_OR_FLAG(name, value, word) | value
constexpr int32_t kKnownClassBits = 0 ZALDRUN_CREATURE_CLASSES(ZALDRUN_OR_CLASS_BIT);
constexpr int32_t kKnownFlags = 0 ZALDRUN_MONSTER_FLAGS(ZALDRUN_OR_FLAG);
#undef ZALDRUN_OR_CLASS_BIT
#undef ZALDRUN_OR_FLAG

// The field the monster source gives attack slot 0..3.
const char* AttackField(int slot) { return WordOf(MonsterAttackWords(), slot).data(); }
constexpr int kLastItemType = 207;

using Faults = std::vector<MonsterRecordFault>;

void Add(Faults& faults, std::string field, std::string message) {
  faults.push_back({std::move(field), std::move(message)});
}

std::string Range(int low, int high) {
  return "outside " + std::to_string(low) + ".." + std::to_string(high);
}

void CheckRange(Faults& faults, const std::string& field, int low, int high, int allowed_low,
                int allowed_high) {
  if (low < allowed_low || low > allowed_high) {
    Add(faults, field,
        "lowest value " + std::to_string(low) + " is " + Range(allowed_low, allowed_high));
  }
  if (high < allowed_low || high > allowed_high) {
    Add(faults, field,
        "highest value " + std::to_string(high) + " is " + Range(allowed_low, allowed_high));
  }
  if (low > high) {
    Add(faults, field,
        "lowest value " + std::to_string(low) + " is above highest " + std::to_string(high));
  }
}

void CheckNameForm(Faults& faults, const char* field, const std::string& text) {
  if (text.empty()) {
    Add(faults, field, "missing");
    return;
  }
  for (char32_t ch : DecodeUtf8(text)) {
    if (ch < 0x20 || ch == 0x7F || ch == 0xFFFD) {
      Add(faults, field, "holds a control or undecodable character");
      return;
    }
  }
  if (text.front() == ' ' || text.find("  ") != std::string::npos) {
    Add(faults, field, "has stray blanks");
  }
}

// Handler names are method names: Latin letters and digits.
void CheckHandlerName(Faults& faults, const char* field, const std::string& name,
                      bool allow_blank) {
  if (name.empty()) {
    if (!allow_blank) Add(faults, field, "missing");
    return;
  }
  const bool plain = std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
  });
  if (!plain) Add(faults, field, "\"" + name + "\" is not a handler name");
}

bool IsKnownAction(int code) {
  return !WordOf(MonsterActionWords(), code).empty();
}

// The limits an action code reads, as {low, high}; {0, 0} for codes that read none.
std::pair<int, int> LimitRange(int code) {
  using namespace monster_action;
  switch (code) {
    case kThrow:
    case kShootBow:
    case kShootCrossbow:
    case kSpitAcid:
    case kMindBlast:
    case kSpellMissile:
      return {0, 7};  // limit < distance < 9
    case kApproach:
      return {0, 20};
    case kRetreat:
      return {1, 20};
    case kDrink:
      return {1, 99};  // acts once wounded below 100 - limit per cent
    case kSummonSpider:
    case kSummon:
      return {0, 20};  // fewer than limit + 2 monsters around
    case kSlowHero:
      return {0, 300};  // acts while the hero is faster than the limit
    case kHealAlly:
      return {1, 100};  // per cent of an ally's maximum
    default:
      return {0, 0};
  }
}

// The attack slot an action code draws its damage from, or -1.
int SlotOfAction(int code) {
  using namespace monster_action;
  if (code >= kHit && code <= kTouch) return monster_attack::kMelee;
  if ((code >= kThrow && code <= kShootCrossbow) || code == kSpitAcid || code == kSpellMissile) {
    return monster_attack::kMissile;
  }
  if (code == kBreathe || code == kMindBlast) return monster_attack::kBreath;
  return -1;
}

void CheckActions(Faults& faults, const MonsterTypeRecord& r) {
  for (int n = 0; n < kMonsterActionEntries; ++n) {
    const std::string field = "actions[" + std::to_string(n + 1) + "]";
    const int code = r.action_codes[static_cast<size_t>(n)];
    const int weight = r.action_weights[static_cast<size_t>(n)];
    const int limit = r.action_limits[static_cast<size_t>(n)];
    if (code == 0 && weight == 0) {
      if (limit != 0) Add(faults, field, "an empty entry has limit " + std::to_string(limit));
      continue;
    }
    if (!IsKnownAction(code)) {
      Add(faults, field, "action code " + std::to_string(code) + " does not exist");
      continue;
    }
    if (weight == 0) Add(faults, field, "weight 0: the action would never be chosen");
    const auto [low, high] = LimitRange(code);
    if (limit < low || limit > high) {
      Add(faults, field,
          "limit " + std::to_string(limit) + " is " +
              (low == 0 && high == 0 ? std::string("not read by this action, must be 0")
                                     : Range(low, high)));
    }
    const int slot = SlotOfAction(code);
    if (slot >= 0 && r.damage_high[static_cast<size_t>(slot)] < 1) {
      Add(faults, field,
          std::string("the action needs damage in ") + AttackField(slot));
    }
    const size_t missile = MonsterTypeRecord::LootIndex(1, 1);
    if (code >= monster_action::kThrow && code <= monster_action::kShootCrossbow &&
        (r.loot_type[missile] == 0 || r.loot_count_low[missile] != 1 ||
         r.loot_count_high[missile] != 1)) {
      // Every throw or shot makes its missile from the first loot choice; a stack there would
      // rain stacks on the hero.
      Add(faults, field, "throwing and shooting need a missile: a first loot choice of count 1..1");
    }
  }
}

void CheckLoot(Faults& faults, const MonsterTypeRecord& r) {
  bool ended = false;
  for (int row = 1; row <= kMonsterLootRows; ++row) {
    const std::string row_field = "loot[" + std::to_string(row) + "]";
    bool row_used = false;
    int total = 0;
    for (int choice = 1; choice <= kMonsterLootChoices; ++choice) {
      const size_t i = MonsterTypeRecord::LootIndex(row, choice);
      const std::string field = row_field + "[" + std::to_string(choice) + "]";
      const int type = r.loot_type[i];
      const int percent = r.loot_percent[i];
      const int low = r.loot_count_low[i];
      const int high = r.loot_count_high[i];
      const int blessing = r.loot_blessing[i];
      if (type == 0) {
        if (percent != 0 || low != 0 || high != 0 || blessing != 0) {
          Add(faults, field, "a choice without an item type must be all zero");
        }
        continue;
      }
      row_used = true;
      if (type > kLastItemType)
        Add(faults, field, "item type " + std::to_string(type) + " is " + Range(1, kLastItemType));
      if (percent < 1 || percent > 100) {
        Add(faults, field, "percentage " + std::to_string(percent) + " is " + Range(1, 100));
      }
      total += percent;
      if (low > high) {
        Add(faults, field,
            "count " + std::to_string(low) + ".." + std::to_string(high) + " runs backwards");
      } else if (low < -100 || high > 30000 || (low <= 0 && high >= 0)) {
        // Positive counts are pieces; negative ones ask for that many of the type's random stacks.
        Add(faults, field,
            "count " + std::to_string(low) + ".." + std::to_string(high) +
                " must be 1..30000 or -100..-1");
      }
      if (blessing > 7) {
        Add(faults, field, "blessing request " + std::to_string(blessing) + " is " + Range(0, 7));
      }
    }
    if (row_used && r.loot_type[MonsterTypeRecord::LootIndex(row, 1)] == 0) {
      Add(faults, row_field, "the row's first choice is empty, so the row is never read");
    }
    if (row_used && ended) {
      Add(faults, row_field, "follows an empty row, so it is never read");
    }
    if (r.loot_type[MonsterTypeRecord::LootIndex(row, 1)] == 0) ended = true;
    if (total > 100) {
      Add(faults, row_field, "percentages add up to " + std::to_string(total) + ", above 100");
    }
  }
}

void CheckOnHit(Faults& faults, const MonsterTypeRecord& r) {
  using namespace monster_flag;
  const bool has_effect =
      r.HasFlag(kPoisonous) || r.HasFlag(kParalysing) || r.HasFlag(kDrainsAttribute);
  if (r.on_hit_chance > 200) {
    Add(faults, "on_hit", "chance " + std::to_string(r.on_hit_chance) + " is " + Range(0, 200));
  }
  CheckRange(faults, "on_hit", r.on_hit_low, r.on_hit_high, 0, 1000);
  if (r.on_hit_attribute < 0 || r.on_hit_attribute > 8) {
    Add(faults, "on_hit", "attribute " + std::to_string(r.on_hit_attribute) + " is " + Range(0, 8));
  }
  if (has_effect && (r.on_hit_chance == 0 || r.on_hit_high < 1)) {
    Add(faults, "on_hit",
        "the poisonous, paralysing and drains_attribute flags need a chance and a strength");
  }
  if (!has_effect && r.on_hit_chance != 0) {
    Add(faults, "on_hit", "a chance without a poisonous, paralysing or drains_attribute flag");
  }
}

// Grammar of the name forms. Every test looks at the first word of a form, which in the names of
// this game is the declined head noun or its adjective ("Большая крыса", "Гоблин-шаман").

std::u32string LowerFirstWord(const std::string& utf8) {
  std::u32string word;
  for (char32_t ch : DecodeUtf8(utf8)) {
    if (ch == U' ') break;
    if (ch >= U'А' && ch <= U'Я') ch += 0x20;
    if (ch == U'Ё') ch = U'ё';
    if (ch >= U'A' && ch <= U'Z') ch += 0x20;
    word.push_back(ch);
  }
  return word;
}

std::u32string Lower(const std::string& utf8) {
  std::u32string text = DecodeUtf8(utf8);
  for (char32_t& ch : text) {
    if (ch >= U'А' && ch <= U'Я') ch += 0x20;
    if (ch == U'Ё') ch = U'ё';
  }
  return text;
}

bool EndsWithAny(const std::u32string& word, std::initializer_list<std::u32string_view> endings) {
  return std::any_of(endings.begin(), endings.end(), [&word](std::u32string_view e) {
    return word.size() >= e.size() && word.compare(word.size() - e.size(), e.size(), e) == 0;
  });
}

bool StartsUpper(const std::string& utf8) {
  const std::u32string text = DecodeUtf8(utf8);
  if (text.empty()) return false;
  const char32_t ch = text.front();
  return (ch >= U'А' && ch <= U'Я') || ch == U'Ё' || (ch >= U'A' && ch <= U'Z');
}

struct Endings {
  std::initializer_list<std::u32string_view> nominative;
  std::initializer_list<std::u32string_view> object;
  std::initializer_list<std::u32string_view> dative;
  std::initializer_list<std::u32string_view> instrumental;
};

// Plausible endings of the first word of each form, by gender. Masculine forms also admit the
// endings of names in -а ("Чупакабра": "Чупакабру", "Чупакабре", "Чупакаброй").
const Endings& EndingsOf(int gender) {
  static const Endings kMasculine = {{},  // nominative: checked separately
                                     {U"а", U"я", U"о", U"у", U"ю"},
                                     {U"у", U"ю", U"е"},
                                     {U"м", U"ой", U"ей"}};
  static const Endings kFeminine = {
      {U"а", U"я", U"ь"}, {U"у", U"ю", U"ь"}, {U"е", U"и", U"й"}, {U"й", U"ю"}};
  static const Endings kNeuter = {{U"о", U"е", U"ё"}, {U"о", U"е", U"ё"}, {U"у", U"ю"}, {U"м"}};
  static const Endings kPlural = {{U"ы", U"и", U"а", U"я"}, {}, {U"м"}, {U"ми"}};
  switch (gender) {
    case 1:
      return kFeminine;
    case 2:
      return kNeuter;
    case 3:
      return kPlural;
    default:
      return kMasculine;
  }
}

void CheckEnding(Faults& faults, const char* field, const std::string& form,
                 std::initializer_list<std::u32string_view> endings, std::string_view gender) {
  if (form.empty() || endings.size() == 0) return;
  if (!EndsWithAny(LowerFirstWord(form), endings)) {
    Add(faults, field, "\"" + form + "\" does not look " + std::string(gender));
  }
}

// The record's byte layout, for encoding and decoding alike.
template <typename Io, typename Record>
void MonsterFields(Io& io, Record& r) {
  Field(io, r.name, kMonsterNameWidth);
  Field(io, r.name_object, kMonsterNameWidth);
  Field(io, r.name_dative, kMonsterNameWidth);
  Field(io, r.name_instrumental, kMonsterNameWidth);
  Field(io, r.class_bits);
  Field(io, r.flags);
  Field(io, r.resistances);
  Field(io, r.experience);
  Field(io, r.hp_low);
  Field(io, r.hp_high);
  Field(io, r.damage_low);
  Field(io, r.damage_high);
  Field(io, r.damage_kind);
  Field(io, r.defence_low);
  Field(io, r.defence_high);
  Field(io, r.attack_low);
  Field(io, r.attack_high);
  Field(io, r.speed_low);
  Field(io, r.speed_high);
  Field(io, r.action_parameter);
  Field(io, r.behaviour, kMonsterHandlerWidth);
  Field(io, r.reserved_short);
  Field(io, r.reserved_long);
  Field(io, r.action_codes);
  Field(io, r.action_weights);
  Field(io, r.action_limits);
  Field(io, r.loot_type);
  Field(io, r.loot_percent);
  Field(io, r.loot_count_low);
  Field(io, r.loot_count_high);
  Field(io, r.loot_blessing);
  Field(io, r.on_hit_chance);
  Field(io, r.on_hit_low);
  Field(io, r.on_hit_high);
  Field(io, r.on_hit_attribute);
  Field(io, r.talk, kMonsterHandlerWidth);
}

}  // namespace

bool MonsterTypeRecord::HasAction(int code) const {
  for (int n = 0; n < kMonsterActionEntries; ++n) {
    const auto i = static_cast<size_t>(n);
    if (action_codes[i] == code && (code != 0 || action_weights[i] > 0)) return true;
  }
  return false;
}

std::vector<uint8_t> EncodeMonsterRecord(const MonsterTypeRecord& record) {
  RecordWriter w;
  MonsterFields(w, record);
  return w.Take();
}

std::optional<MonsterTypeRecord> DecodeMonsterRecord(std::span<const uint8_t> bytes) {
  if (bytes.size() < kMonsterRecordSize) return std::nullopt;
  RecordReader in(bytes.first(kMonsterRecordSize));
  MonsterTypeRecord r;
  MonsterFields(in, r);
  if (in.failed()) return std::nullopt;
  return r;
}

std::vector<MonsterRecordFault> ValidateMonsterRecord(const MonsterTypeRecord& r) {
  Faults faults;
  CheckNameForm(faults, "name", r.name);
  CheckNameForm(faults, "name_object", r.name_object);
  CheckNameForm(faults, "name_dative", r.name_dative);
  CheckNameForm(faults, "name_instrumental", r.name_instrumental);
  if ((r.class_bits & ~kKnownClassBits) != 0) {
    Add(faults, "classes", "unknown class bits in " + std::to_string(r.class_bits));
  }
  if ((r.flags & ~kKnownFlags) != 0) {
    Add(faults, "flags", "unknown flag bits in " + std::to_string(r.flags));
  }
  for (int k = 1; k <= kMonsterResistances; ++k) {
    const int value = r.Resistance(k);
    if (value < -40 || value > 100) {
      Add(faults, "resistances",
          std::string(WordOf(DamageKindWords(), k)) + " " + std::to_string(value) + " is " +
              Range(-40, 100));
    }
  }
  if (r.experience < 0 || r.experience > 100000) {
    Add(faults, "experience", std::to_string(r.experience) + " is " + Range(0, 100000));
  }
  CheckRange(faults, "hit_points", r.hp_low, r.hp_high, 1, 30000);
  for (int s = 0; s < kMonsterAttackSlots; ++s) {
    const auto i = static_cast<size_t>(s);
    CheckRange(faults, AttackField(s), r.damage_low[i], r.damage_high[i], 0, 1000);
    if (r.damage_kind[i] < 1 || r.damage_kind[i] > kMonsterResistances) {
      Add(faults, AttackField(s),
          "damage kind " + std::to_string(r.damage_kind[i]) + " is " +
              Range(1, kMonsterResistances));
    }
  }
  CheckRange(faults, "defence", r.defence_low, r.defence_high, 0, 500);
  CheckRange(faults, "attack_value", r.attack_low, r.attack_high, 0, 500);
  CheckRange(faults, "speed", r.speed_low, r.speed_high, 10, 400);
  if (r.action_parameter < 0 || r.action_parameter > 200) {
    Add(faults, "action_parameter", std::to_string(r.action_parameter) + " is " + Range(0, 200));
  }
  CheckHandlerName(faults, "behaviour", r.behaviour, false);
  CheckActions(faults, r);
  CheckLoot(faults, r);
  CheckOnHit(faults, r);
  CheckHandlerName(faults, "talk", r.talk, true);
  return faults;
}

std::vector<MonsterRecordFault> CheckMonsterGrammar(const MonsterTypeRecord& r, int gender) {
  Faults faults;
  if (gender < 0 || gender > 3) {
    Add(faults, "gender", std::to_string(gender) + " is " + Range(0, 3));
    return faults;
  }
  const std::string gender_word(WordOf(GenderWords(), gender));
  if (!r.name.empty() && !StartsUpper(r.name)) {
    Add(faults, "name", "the nominative begins sentences and must begin with a capital letter");
  }
  const std::u32string head = LowerFirstWord(r.name);
  // A proper name keeps its capital in every form.
  const bool proper = StartsUpper(r.name_object) && StartsUpper(r.name_dative);
  if (gender == 0 && !head.empty()) {
    if (EndsWithAny(head, {U"ая", U"яя", U"ое", U"ее", U"ые", U"ие"}) ||
        EndsWithAny(head, {U"о", U"е", U"ё", U"и", U"ы", U"у", U"ю", U"э"}) ||
        (EndsWithAny(head, {U"а", U"я"}) && !proper)) {
      Add(faults, "name", "\"" + r.name + "\" does not look masculine");
    }
  }
  const Endings& endings = EndingsOf(gender);
  CheckEnding(faults, "name", r.name, endings.nominative, gender_word);
  CheckEnding(faults, "name_object", r.name_object, endings.object, gender_word);
  CheckEnding(faults, "name_dative", r.name_dative, endings.dative, gender_word);
  CheckEnding(faults, "name_instrumental", r.name_instrumental, endings.instrumental, gender_word);

  const std::u32string nominative = Lower(r.name);
  const std::u32string object = Lower(r.name_object);
  const std::u32string dative = Lower(r.name_dative);
  const std::u32string instrumental = Lower(r.name_instrumental);
  const auto same = [&faults](const char* field, const std::u32string& a, const std::u32string& b,
                              const char* other) {
    if (!a.empty() && a == b) Add(faults, field, std::string("is the same as ") + other);
  };
  same("name_dative", dative, nominative, "the nominative");
  same("name_instrumental", instrumental, nominative, "the nominative");
  same("name_instrumental", instrumental, dative, "the dative");
  same("name_object", object, dative, "the dative");
  same("name_object", object, instrumental, "the instrumental");
  // Animate masculine and plural nouns take the genitive as object; a feminine noun in -ь and
  // neuter nouns keep the nominative.
  const bool object_may_repeat =
      gender == 2 || (gender == 1 && head.find(U' ') == std::u32string::npos &&
                      EndsWithAny(head, {U"ь"}) && nominative.find(U' ') == std::u32string::npos);
  if (!object_may_repeat) same("name_object", object, nominative, "the nominative");

  // "Раны " + object form + " залечиваются!" reads right only where the object form is also the
  // genitive: masculine and plural creatures.
  if (r.HasAction(monster_action::kDrink) && (gender == 1 || gender == 2)) {
    Add(faults, "actions",
        "drink shows \"Раны \" + the object form, which for a " + gender_word +
            " creature is not the genitive");
  }
  return faults;
}

}  // namespace zaldrun
