#include "levelgen/room_registry.hpp"

#include <array>

#include "levelgen/treasure_rooms.hpp"

namespace zaldrun {
namespace {

// records/handler_names lists every name the generator calls.
constexpr std::array<RegistryEntry<RoomHandler>, 3> kRooms{{
    {"SpecRoom1", SpecRoom1},
    {"SpecRoom2", SpecRoom2},
    {"SpecRoom3", SpecRoom3},
}};
static_assert(Registry<RoomHandler>{kRooms}.IsSorted());

}  // namespace

const Registry<RoomHandler>& RoomRegistry() {
  static constexpr Registry<RoomHandler> kRegistry{kRooms};
  return kRegistry;
}

}  // namespace zaldrun
