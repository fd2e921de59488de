#include "records/handler_names.hpp"

#include <gtest/gtest.h>

#include <string_view>

#include "engine/dispatch.hpp"
#include "items/effect_registry.hpp"
#include "levelgen/room_registry.hpp"
#include "quests/talk.hpp"

namespace zaldrun {
namespace {

// A handler table may hold only names the data may use, sorted so that lookups find them.
template <typename Fn>
void ExpectListed(const Registry<Fn>& registry, std::span<const std::string_view> names) {
  EXPECT_TRUE(registry.IsSorted());
  for (const auto& entry : registry.entries()) {
    EXPECT_TRUE(ListsName(names, entry.name)) << entry.name << " is in no name list";
    EXPECT_NE(entry.fn, nullptr) << entry.name;
  }
}

TEST(HandlerNames, EveryRegisteredHandlerHasAListedName) {
  ExpectListed(EventRegistry(), EventHandlerNames());
  ExpectListed(BehaviourRegistry(), BehaviourNames());
  ExpectListed(EffectRegistry(), ItemOperationNames());
  ExpectListed(RoomRegistry(), RoomNames());
  ExpectListed(TalkRegistry(), TalkHandlerNames());
}

// Every name the data may use is answered: a talk by its talk handler, any other by its timed
// handler.
TEST(HandlerNames, EveryListedTalkAndEventNameHasItsHandler) {
  for (std::string_view name : TalkHandlerNames()) {
    EXPECT_TRUE(TalkRegistry().Contains(name)) << name;
  }
  for (std::string_view name : EventHandlerNames()) {
    EXPECT_TRUE(TalkRegistry().Contains(name) || EventRegistry().Contains(name)) << name;
  }
}

// Every talk handler is an event handler: monster_content_test.cpp.
TEST(HandlerNames, StoredNamesAreLookedUpWithoutTheirPadding) {
  EXPECT_TRUE(ListsName(RoomNames(), "SpecRoom1   "));
  EXPECT_FALSE(ListsName(RoomNames(), "SpecRoom"));
  EXPECT_TRUE(ListsName(EventHandlerNames(), "Regen       "));
  EXPECT_NE(EventRegistry().Find("Regen       "), nullptr);
  for (std::string_view generic : GenericItemOperationNames()) {
    EXPECT_TRUE(ListsName(ItemOperationNames(), generic)) << generic;
  }
}

}  // namespace
}  // namespace zaldrun
