#include "items/effect_registry.hpp"

#include <array>

#include "items/item_operations.hpp"

namespace zaldrun {

namespace {

// The operations and effect handlers built so far, sorted by name; records/handler_names lists
// every name an item type may give. The generic operations act on the stack chosen in the
// inventory window and take no aim.
constexpr std::array<RegistryEntry<EffectHandler>, 7> kEntries{{
    {"Drop", [](Game& game, const EffectAim&) { Drop(game); }},
    {"PickUp", [](Game& game, const EffectAim&) { PickUp(game); }},
    {"PutOn", [](Game& game, const EffectAim&) { PutOn(game); }},
    {"ReadyAmmo", [](Game& game, const EffectAim&) { ReadyAmmo(game); }},
    {"SelectItem", [](Game& game, const EffectAim&) { SelectItem(game); }},
    {"Wear", [](Game& game, const EffectAim&) { Wear(game); }},
    {"Wield", [](Game& game, const EffectAim&) { Wield(game); }},
}};

}  // namespace

const Registry<EffectHandler>& EffectRegistry() {
  static const Registry<EffectHandler> kRegistry{
      std::span<const RegistryEntry<EffectHandler>>(kEntries)};
  return kRegistry;
}

}  // namespace zaldrun
