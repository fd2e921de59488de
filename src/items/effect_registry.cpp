#include "items/effect_registry.hpp"

#include <array>

namespace zaldrun {

namespace {

// Every operation the item windows and item types call by name: the generic operations on a
// chosen stack and the effect handlers. Sorted by name; bodies are added as they are built.
constexpr std::array<RegistryEntry<EffectHandler>, 67> kEntries = {{
    {"BoostSpeed", nullptr}, {"CureConfuz", nullptr},   {"DetCurse", nullptr},
    {"Dip", nullptr},        {"Drink", nullptr},        {"Drop", nullptr},
    {"Eat", nullptr},        {"IncrColdRes", nullptr},  {"IncrFireRes", nullptr},
    {"IncrRegen", nullptr},  {"MysticLetter", nullptr}, {"ParalyzWard", nullptr},
    {"Paralyze", nullptr},   {"PickUp", nullptr},       {"PutOn", nullptr},
    {"Read", nullptr},       {"ReadyAmmo", nullptr},    {"Recovery", nullptr},
    {"SelectItem", nullptr}, {"VornsMsg", nullptr},     {"Wear", nullptr},
    {"Wield", nullptr},      {"Zap", nullptr},          {"eApple", nullptr},
    {"eBone", nullptr},      {"eBread", nullptr},       {"eMagApple", nullptr},
    {"eMeat", nullptr},      {"eMeatFr", nullptr},      {"eMelon", nullptr},
    {"eTail", nullptr},      {"eUho", nullptr},         {"hCarrot", nullptr},
    {"hDarkB", nullptr},     {"hGob", nullptr},         {"hHellRoot", nullptr},
    {"hLeaf", nullptr},      {"hMoh", nullptr},         {"hOrc", nullptr},
    {"hSeld", nullptr},      {"pCurePoison", nullptr},  {"pDispel", nullptr},
    {"pGAtr", nullptr},      {"pHeal", nullptr},        {"pHealEx", nullptr},
    {"pRawMana", nullptr},   {"qVodka", nullptr},       {"qWater", nullptr},
    {"rBless", nullptr},     {"rCRM", nullptr},         {"rEducat", nullptr},
    {"rFireBolt", nullptr},  {"rGainExp", nullptr},     {"rIceRing", nullptr},
    {"rStoneSkin", nullptr}, {"rTelek", nullptr},       {"sDC", nullptr},
    {"sID", nullptr},        {"sRC", nullptr},          {"wAcidS", nullptr},
    {"wBreath", nullptr},    {"wInferno", nullptr},     {"wLBall", nullptr},
    {"wMagicBite", nullptr}, {"wOpen", nullptr},        {"wParalyz", nullptr},
    {"wSlow", nullptr},
}};

}  // namespace

const Registry<EffectHandler>& EffectRegistry() {
  static const Registry<EffectHandler> kRegistry{
      std::span<const RegistryEntry<EffectHandler>>(kEntries)};
  return kRegistry;
}

}  // namespace zaldrun
