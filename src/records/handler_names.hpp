// The names the data files may give their handlers, one list per dispatch class. The data
// compiler and the game's loaders check every stored name against these lists; the game's
// registries pair the names with functions as the handlers are built.
#pragma once

#include <span>
#include <string_view>

namespace zaldrun {

// Item operations and effect handlers (Items.dat), sorted: the generic operations the item
// windows call on a chosen stack, then every effect handler an item type may name.
std::span<const std::string_view> ItemOperationNames();
// The generic operations among them; never an item's own effect handler.
std::span<const std::string_view> GenericItemOperationNames();
// Monster behaviours (Monsters.dat), sorted.
std::span<const std::string_view> BehaviourNames();
// Timed-event handlers, scheduled checks and talk handlers (event slots, Monsters.dat), sorted.
std::span<const std::string_view> EventHandlerNames();
// The talk handlers among the event handlers: a creature may name only these.
std::span<const std::string_view> TalkHandlerNames();
// The special rooms the level generator builds by name, sorted.
std::span<const std::string_view> RoomNames();

// Whether a sorted list holds the name after its trailing blanks are cut.
bool ListsName(std::span<const std::string_view> names, std::string_view stored_name);

}  // namespace zaldrun
