#include "world/room_registry.hpp"

#include <array>

namespace zaldrun {
namespace {

// The generator calls "SpecRoom" + digit 1..3 by name; the bodies arrive with the special rooms.
constexpr std::array<RegistryEntry<RoomHandler>, 3> kRooms = {{
    {"SpecRoom1", nullptr},
    {"SpecRoom2", nullptr},
    {"SpecRoom3", nullptr},
}};
static_assert(Registry<RoomHandler>{kRooms}.IsSorted());

}  // namespace

const Registry<RoomHandler>& RoomRegistry() {
  static constexpr Registry<RoomHandler> kRegistry{kRooms};
  return kRegistry;
}

}  // namespace zaldrun
