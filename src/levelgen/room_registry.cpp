#include "levelgen/room_registry.hpp"

#include <array>

namespace zaldrun {
namespace {

// The special rooms built so far; records/handler_names lists every name the generator calls.
constexpr std::array<RegistryEntry<RoomHandler>, 0> kRooms{};
static_assert(Registry<RoomHandler>{kRooms}.IsSorted());

}  // namespace

const Registry<RoomHandler>& RoomRegistry() {
  static constexpr Registry<RoomHandler> kRegistry{kRooms};
  return kRegistry;
}

}  // namespace zaldrun
