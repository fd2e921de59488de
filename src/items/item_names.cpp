#include "items/item_names.hpp"

#include <array>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "base/byte_record.hpp"
#include "base/utf8.hpp"
#include "items/item_lookup.hpp"
#include "items/item_maker.hpp"
#include "model/game.hpp"
#include "records/game_enums.hpp"
#include "records/materials.hpp"
#include "records/text_table.hpp"

namespace zaldrun {

namespace {

// Adjective endings by the noun's gender (masculine, feminine, neuter, plural), and after a count
// that takes the genitive plural.
constexpr std::array<std::string_view, 4> kGenderEndings = {"ый ", "ая ", "ое ", "ые "};
constexpr std::string_view kPluralEnding = "ых ";

struct NounForms {
  std::string one;
  std::string many;
  std::string few;
};

std::string DropLast(std::string_view word, size_t characters) {
  const size_t length = Utf8Length(word);
  return Utf8Prefix(word, length > characters ? length - characters : 0);
}

// Joins an adjective's stem and ending; after г, к, х, ж, ч, ш and щ Russian writes и for ы
// ("Горячих", "Искрящихся").
std::string Agree(std::string_view stem, std::string_view ending) {
  const std::u32string letters = DecodeUtf8(stem);
  if (!letters.empty() && ending.starts_with("ы") &&
      std::u32string_view(U"гкхжчшщ").find(letters.back()) != std::u32string_view::npos) {
    return std::string(stem) + "и" + std::string(ending.substr(std::string_view("ы").size()));
  }
  return std::string(stem) + std::string(ending);
}

// "Бутылка", "3 Бутылки Святой Воды": water is named without its description.
std::string WaterName(const ItemRecord& item) {
  std::string liquid = "Воды";
  if (item.blessing == blessing::kCursed) liquid = "Проклятой Воды";
  if (item.blessing == blessing::kBlessed) liquid = "Святой Воды";
  if (item.count == 1) return "Бутылка " + liquid;
  static constexpr std::array<std::string_view, 3> kBottles = {" Бутылка", " Бутылки", " Бутылок"};
  const auto form = static_cast<size_t>(CountFormOf(item.count));
  return std::to_string(item.count) + std::string(kBottles[form]) + " " + liquid;
}

// The unidentified forms of a type whose looks are dealt per game: "Синее Зелье",
// "Свиток "Ынц Ынц"", "Медное Кольцо", and their counted forms.
NounForms AppearanceForms(const ItemType& entry, const ItemDescription& description) {
  const int k = entry.appearance;
  switch (entry.pool) {
    case AppearancePool::kPotion: {
      const int base = text_ids::kPotionBase;
      const std::string& plural = FetchText(text_ids::AppearancePlural(base, k));
      return {FetchText(text_ids::AppearanceSingular(base, k)) + " Зелье", plural + " Зелий",
              plural + " Зелья"};
    }
    case AppearancePool::kScroll: {
      const std::string title = "\"" + FetchText(text_ids::kScrollBase + k) + "\"";
      return {"Свиток " + title, "Свитков " + title, "Свитка " + title};
    }
    case AppearancePool::kAmulet:
    case AppearancePool::kRing:
    case AppearancePool::kWand: {
      int base = text_ids::kWandBase;
      if (entry.pool == AppearancePool::kAmulet) base = text_ids::kAmuletBase;
      if (entry.pool == AppearancePool::kRing) base = text_ids::kRingBase;
      const std::string singular = FetchText(text_ids::AppearanceSingular(base, k)) + " ";
      const std::string plural = FetchText(text_ids::AppearancePlural(base, k)) + " ";
      return {singular + std::string(TrimRight(description.unknown_one)),
              plural + std::string(TrimRight(description.unknown_many)),
              plural + std::string(TrimRight(description.unknown_few))};
    }
    case AppearancePool::kNone:
      break;
  }
  return {description.unknown_one, description.unknown_many, description.unknown_few};
}

// The prefix in the noun's gender, or the plural after a count: "Лазурная ", "Лазурных ",
// "Искрящаяся ".
std::string PrefixWord(int prefix, std::string_view ending) {
  // Only the prefixes with a text are named.
  if (prefix < 1 || prefix > kPrefixTextCount) return {};
  const std::string& text = FetchText(text_ids::kPrefixBase + prefix);
  if (text.empty()) return {};
  const std::string word = text + " ";
  if (ending == kGenderEndings[0]) return word;
  if (word.ends_with("ся ")) {
    return Agree(DropLast(word, 5), Utf8Prefix(ending, 2)) + "ся ";
  }
  return Agree(DropLast(word, 3), ending);
}

std::string MaterialWord(int material, bool masculine_one, std::string_view ending) {
  const MaterialType* entry = FindMaterial(material);
  if (entry == nullptr || entry->name.empty()) return {};
  if (masculine_one) return std::string(entry->name) + " ";
  return Agree(DropLast(entry->name, 2), ending);
}

std::string ShopPrice(const Game& game, const ItemRecord& item) {
  if ((item.flags & item_flag::kUnpaid) == 0) return {};
  return " (" + std::to_string(ItemValue(game, item)) + "$)";
}

}  // namespace

CountForm CountFormOf(int64_t count) {
  const int64_t last_two = std::llabs(count) % 100;
  if (last_two >= 11 && last_two <= 14) return CountForm::kMany;
  const int64_t last = last_two % 10;
  if (last == 1) return CountForm::kOne;
  if (last >= 2 && last <= 4) return CountForm::kFew;
  return CountForm::kMany;
}

std::string ItemName(const Game& game, const ItemRecord& item) {
  const ItemType* entry = FindItemType(game, item.type);
  const ItemDescription* description = FindDescription(game, item.type);
  if (entry == nullptr || description == nullptr) return {};
  if (item.type == item_type::kWater) return WaterName(item) + ShopPrice(game, item);

  const bool identified = item.identified == 1;
  NounForms forms;
  if (identified) {
    forms = {description->name_one, description->name_many, description->name_few};
  } else if (entry->appearance != 0) {
    forms = AppearanceForms(*entry, *description);
  } else {
    forms = {description->unknown_one, description->unknown_many, description->unknown_few};
  }

  std::string_view ending = kGenderEndings[entry->gender < 4 ? entry->gender : 0];
  std::string count_part;
  std::string noun = forms.one;
  if (item.count != 1) {
    count_part = std::to_string(item.count) + " ";
    switch (CountFormOf(item.count)) {
      case CountForm::kOne:
        break;
      case CountForm::kFew:
        noun = forms.few;
        ending = kPluralEnding;
        break;
      case CountForm::kMany:
        noun = forms.many;
        ending = kPluralEnding;
        break;
    }
  }
  noun = std::string(TrimRight(noun));

  std::string prefix_word;
  std::string suffix_word;
  std::string material_word;
  if (identified) {
    prefix_word = PrefixWord(item.prefix, ending);
    if (item.suffix >= 1 && item.suffix <= kSuffixTextCount) {
      const std::string& suffix = FetchText(text_ids::kSuffixBase + item.suffix);
      if (!suffix.empty()) suffix_word = " " + suffix;
    }
    material_word = MaterialWord(item.material, entry->gender == 0 && item.count == 1, ending);
    if (entry->category == item_category::kWand) {
      noun += " {" + std::to_string(item.charges) + "}";
    }
  }

  std::string blessing_word;
  if (item.blessing == blessing::kCursed) blessing_word = Agree("проклят", ending);
  if (item.blessing == blessing::kBlessed) blessing_word = Agree("благословлённ", ending);

  return count_part + blessing_word + material_word + prefix_word + noun + suffix_word +
         ShopPrice(game, item);
}

std::string ItemTypeName(const Game& game, int type) {
  const ItemDescription* description = FindDescription(game, type);
  return description == nullptr ? std::string() : std::string(TrimRight(description->name_one));
}

std::string PileStackName(const Game& game, int pile, int category, int place) {
  if (pile < 0 || static_cast<size_t>(pile) >= game.world.piles.size()) return {};
  if (category < 0 || category >= kPileGroups) return {};
  const auto& group =
      game.world.piles[static_cast<size_t>(pile)].groups[static_cast<size_t>(category)];
  if (place < 1 || static_cast<size_t>(place) > group.size()) return {};
  return ItemName(game, group[static_cast<size_t>(place - 1)]);
}

std::string FloorStackName(const Game& game, int number) {
  if (number < 1 || number > kLooseItems) return {};
  const ItemRecord& item = game.world.level.loose_items[static_cast<size_t>(number)];
  return item.count == 0 ? std::string() : ItemName(game, item);
}

int32_t ItemValue(const Game& game, const ItemRecord& item) {
  const ItemType* entry = FindItemType(game, item.type);
  const ItemDescription* description = FindDescription(game, item.type);
  if (entry == nullptr || description == nullptr) return 0;
  double prefix_multiplier = 1;
  double suffix_multiplier = 1;
  int64_t addends = 0;
  const bool has_prefix = item.prefix >= 1 && item.prefix <= kAffixListLength;
  const bool has_suffix = item.suffix >= 1 && item.suffix <= kAffixListLength;
  if (const AffixRecord* prefix = has_prefix ? FindAffix(game, item.prefix) : nullptr) {
    prefix_multiplier = prefix->price_multiplier;
    addends += prefix->price_addend;
  }
  if (const AffixRecord* suffix =
          has_suffix ? FindAffix(game, kAffixListLength + item.suffix) : nullptr) {
    suffix_multiplier = suffix->price_multiplier;
    addends += suffix->price_addend;
  }
  const MaterialType* material = FindMaterial(item.material);
  const double material_factor = material != nullptr ? material->price_factor : 1.0;

  int64_t v =
      WholePart(static_cast<double>(game.world.hero.price_factor) * entry->price * material_factor);
  v = WholePart(prefix_multiplier * static_cast<double>(v) * suffix_multiplier) + addends;
  if (entry->category == item_category::kWand && description->first_bonus_high != -1) {
    v = WholePart((item.charges + 1.0) / (description->first_bonus_high + 1.0) *
                  static_cast<double>(v));
  }
  if (item.blessing == blessing::kCursed || item.blessing == blessing::kCursedUnknown) {
    v = WholePart(static_cast<double>(v) * 0.85);
  } else if (item.blessing == blessing::kBlessed || item.blessing == blessing::kBlessedUnknown) {
    v = WholePart(static_cast<double>(v) * 1.12);
  }
  if (v < 0) v = 0;
  return Clamp32(v * item.count);
}

bool IdentifyOnSight(Game& game, ItemRecord& item) {
  const ItemType* entry = FindItemType(game, item.type);
  if (entry == nullptr || item.identified == 1) return false;
  if (entry->category != item_category::kWeapon && entry->category != item_category::kAmmunition) {
    return false;
  }
  if (entry->skill_class < 1 || entry->skill_class > kSkillCount) return false;
  const double skill = std::floor(game.world.hero.SkillAt(entry->skill_class).value);
  if (skill < entry->level) return false;
  item.identified = 1;
  return true;
}

}  // namespace zaldrun
