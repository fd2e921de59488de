#include <array>

#include "creatures/behaviours.hpp"
#include "engine/dispatch.hpp"

namespace zaldrun {

namespace {

// The behaviours built so far, sorted by name; records/handler_names lists every name.
constexpr std::array<RegistryEntry<BehaviourHandler>, 3> kBehaviours = {{
    {"HoldStill", HoldStill},
    {"ShopKeeper", ShopKeeper},
    {"StndAI", StndAI},
}};
constexpr Registry<BehaviourHandler> kRegistry{kBehaviours};
static_assert(kRegistry.IsSorted());

}  // namespace

const Registry<BehaviourHandler>& BehaviourRegistry() { return kRegistry; }

}  // namespace zaldrun
