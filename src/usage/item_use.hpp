// The operations that use an item up or draw on it: reading, drinking, eating, zapping and
// dipping, each acting on the stack chosen in the inventory window and calling its effect handler.
#pragma once

#include <string_view>

#include "items/effect_registry.hpp"
#include "model/game.hpp"

namespace zaldrun {

void Read(Game& game);
void Drink(Game& game);
void Eat(Game& game);
void Zap(Game& game);
void Dip(Game& game);

// Calls the effect handler of that name; a blank or unknown name changes nothing but the message
// "Ничего не происходит.".
void RunEffect(Game& game, std::string_view name, const EffectAim& aim = {});

// How many items of a stack go into the potion at once, by the type's weight.
int DipCount(int weight, int count);

}  // namespace zaldrun
