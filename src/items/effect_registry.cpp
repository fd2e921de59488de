#include "items/effect_registry.hpp"

#include <array>

namespace zaldrun {

namespace {

// The operations and effect handlers built so far, sorted by name; records/handler_names lists
// every name an item type may give.
constexpr std::array<RegistryEntry<EffectHandler>, 0> kEntries{};

}  // namespace

const Registry<EffectHandler>& EffectRegistry() {
  static const Registry<EffectHandler> kRegistry{
      std::span<const RegistryEntry<EffectHandler>>(kEntries)};
  return kRegistry;
}

}  // namespace zaldrun
