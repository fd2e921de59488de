#include "records/item_names_check.hpp"

#include <algorithm>
#include <array>

#include "records/handler_names.hpp"
#include "records/item_type_table.hpp"

namespace zaldrun {

namespace {

constexpr std::array<std::string_view, 16> kPotionHandlers = {
    "BoostSpeed",  "CureConfuz", "IncrColdRes", "IncrFireRes", "IncrRegen", "Paralyze",
    "ParalyzWard", "Recovery",   "pCurePoison", "pDispel",     "pGAtr",     "pHeal",
    "pHealEx",     "pRawMana",   "qVodka",      "qWater"};

constexpr std::array<std::string_view, 13> kScrollHandlers = {
    "MysticLetter", "VornsMsg",   "rBless", "rCRM", "rEducat", "rFireBolt", "rGainExp",
    "rIceRing",     "rStoneSkin", "rTelek", "sDC",  "sID",     "sRC"};

// Wands fired along a direction; every other wand is aimed with the target cursor.
constexpr std::array<std::string_view, 2> kDirectionWands = {"wAcidS", "wBreath"};

// Scrolls whose effect needs a target cell.
constexpr std::string_view kTargetedScroll = "rFireBolt";

template <size_t N>
bool Contains(const std::array<std::string_view, N>& list, std::string_view name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

bool FitsCategory(std::string_view name, int category) {
  switch (category) {
    case item_category::kPotion:
      return Contains(kPotionHandlers, name);
    case item_category::kScroll:
    case item_category::kBook:
      return Contains(kScrollHandlers, name);
    case item_category::kWand:
      return name.front() == 'w';
    case item_category::kFood:
      return name.front() == 'e' || name.front() == 'h';
    default:
      return false;
  }
}

}  // namespace

bool IsGenericItemOperation(std::string_view name) {
  return ListsName(GenericItemOperationNames(), name);
}

std::vector<std::string> CheckItemNames(const ItemDescription& d, int type) {
  std::vector<std::string> errors;
  const int category = BaseItemType(type).category;
  const bool needs_handler =
      category == item_category::kPotion || category == item_category::kScroll || category == item_category::kBook || category == item_category::kWand || category == item_category::kFood;
  const std::string& name = d.handler;
  if (name.empty()) {
    if (needs_handler) errors.push_back("handler: this kind of item needs an effect handler");
    return errors;
  }
  if (!ListsName(ItemOperationNames(), name) || IsGenericItemOperation(name)) {
    errors.push_back("handler: \"" + name + "\" is not an effect handler");
    return errors;
  }
  if (!FitsCategory(name, category)) {
    errors.push_back("handler: \"" + name + "\" is not a handler of category " +
                     std::to_string(category));
    return errors;
  }
  if (category == item_category::kWand) {
    const int wanted = Contains(kDirectionWands, name) ? 2 : 1;
    if (d.second_bonus_low != wanted) {
      errors.push_back("aiming: \"" + name + "\" is aimed with " +
                       std::string(WordOf(WandAimingWords(), wanted)));
    }
  }
  if (category == item_category::kScroll || category == item_category::kBook) {
    const bool targeted = d.attribute_modifiers[1] == 1;
    if (targeted != (name == kTargetedScroll)) {
      errors.push_back(std::string("needs_target: \"") + name + "\" " +
                       (targeted ? "takes no target" : "needs a target"));
    }
  }
  return errors;
}

}  // namespace zaldrun
