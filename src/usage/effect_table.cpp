// The table of item operations and effect handlers by the names item types give; each handler
// lives beside its family (item_use, potion_effects, food_effects, scroll_effects, wand_effects).
#include <array>

#include "items/effect_registry.hpp"
#include "items/item_operations.hpp"
#include "usage/effect_handlers.hpp"
#include "usage/item_use.hpp"

namespace zaldrun {

namespace {

// Sorted by name; records/handler_names lists every name an item type may give. The generic
// operations act on the stack chosen in the inventory window and take no aim.
constexpr std::array<RegistryEntry<EffectHandler>, 67> kEntries{{
    {"BoostSpeed", BoostSpeed},
    {"CureConfuz", CureConfuz},
    {"DetCurse", DetCurse},
    {"Dip", [](Game& game, const EffectAim&) { Dip(game); }},
    {"Drink", [](Game& game, const EffectAim&) { Drink(game); }},
    {"Drop", [](Game& game, const EffectAim&) { Drop(game); }},
    {"Eat", [](Game& game, const EffectAim&) { Eat(game); }},
    {"IncrColdRes", IncrColdRes},
    {"IncrFireRes", IncrFireRes},
    {"IncrRegen", IncrRegen},
    {"MysticLetter", MysticLetter},
    {"ParalyzWard", ParalyzWard},
    {"Paralyze", Paralyze},
    {"PickUp", [](Game& game, const EffectAim&) { PickUp(game); }},
    {"PutOn", [](Game& game, const EffectAim&) { PutOn(game); }},
    {"Read", [](Game& game, const EffectAim&) { Read(game); }},
    {"ReadyAmmo", [](Game& game, const EffectAim&) { ReadyAmmo(game); }},
    {"Recovery", Recovery},
    {"SelectItem", [](Game& game, const EffectAim&) { SelectItem(game); }},
    {"VornsMsg", VornsMsg},
    {"Wear", [](Game& game, const EffectAim&) { Wear(game); }},
    {"Wield", [](Game& game, const EffectAim&) { Wield(game); }},
    {"Zap", [](Game& game, const EffectAim&) { Zap(game); }},
    {"eApple", eApple},
    {"eBone", eBone},
    {"eBread", eBread},
    {"eMagApple", eMagApple},
    {"eMeat", eMeat},
    {"eMeatFr", eMeatFr},
    {"eMelon", eMelon},
    {"eTail", eTail},
    {"eUho", eUho},
    {"hCarrot", hCarrot},
    {"hDarkB", hDarkB},
    {"hGob", hGob},
    {"hHellRoot", hHellRoot},
    {"hLeaf", hLeaf},
    {"hMoh", hMoh},
    {"hOrc", hOrc},
    {"hSeld", hSeld},
    {"pCurePoison", pCurePoison},
    {"pDispel", pDispel},
    {"pGAtr", pGAtr},
    {"pHeal", pHeal},
    {"pHealEx", pHealEx},
    {"pRawMana", pRawMana},
    {"qVodka", qVodka},
    {"qWater", qWater},
    {"rBless", rBless},
    {"rCRM", rCRM},
    {"rEducat", rEducat},
    {"rFireBolt", rFireBolt},
    {"rGainExp", rGainExp},
    {"rIceRing", rIceRing},
    {"rStoneSkin", rStoneSkin},
    {"rTelek", rTelek},
    {"sDC", sDC},
    {"sID", sID},
    {"sRC", sRC},
    {"wAcidS", wAcidS},
    {"wBreath", wBreath},
    {"wInferno", wInferno},
    {"wLBall", wLBall},
    {"wMagicBite", wMagicBite},
    {"wOpen", wOpen},
    {"wParalyz", wParalyz},
    {"wSlow", wSlow},
}};

constexpr Registry<EffectHandler> kRegistry{
    std::span<const RegistryEntry<EffectHandler>>(kEntries)};
static_assert(kRegistry.IsSorted());

}  // namespace

const Registry<EffectHandler>& EffectRegistry() { return kRegistry; }

}  // namespace zaldrun
