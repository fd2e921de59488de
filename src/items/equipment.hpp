// The hero's fifteen equipment slots: putting an item on and taking it off with every effect on
// the hero's figures, the blessing factor, and the rules of cursed items.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/level.hpp"
#include "records/item_record.hpp"

namespace zaldrun {

struct Game;

// The labels of slots 1..15 ("Голова:" … "Левое Кольцо:"); an empty text outside.
std::string_view SlotLabel(int slot);

// Reads the item's type into the current description and applies its prefix and suffix: the
// description the equipment effects and the description panel read. Returns the current
// description (a blank one for an unknown type).
const ItemDescription& LoadFullDescription(Game& game, const ItemRecord& item);

// The blessing factor b of an item: 0 cursed, 1 uncursed, 2 blessed, whether the hero knows the
// state or not; an item of reversed blessing (kind bit 262144) counts 2 - b.
int BlessingFactor(const ItemRecord& item, int32_t kind);
// A figure scaled by the blessing: Int((b + 4) × 0.2 × value), so 80 %, 100 % or 120 % of it.
int ScaleByBlessing(int b, int value);
// Extra damage of another kind scaled by the blessing: Int((b + 9) × 0.1 × value), 90 %, 100 % or
// 110 % of it.
int ScaleExtraDamage(int b, int value);

// What a worn item gives, as the equipment effects count it: attribute modifier i (0..9: the
// defence value, then attributes 0..8), the protection against damage kind i + 1 (i 0..8), and the
// change of the wearer's speed (none for weapons and ammunition, whose speed value is their attack
// time; a warrior feels only 66 % of body armour and shields).
int WornModifier(const Game& game, const ItemRecord& item, const ItemDescription& d, int i);
int WornProtection(const ItemRecord& item, const ItemDescription& d, int i);
int WornSpeed(const Game& game, const ItemRecord& item, const ItemDescription& d);

// Adds (sign 1) or takes away (sign -1) every effect of the item in `slot` on the hero's figures:
// attributes, defence, protections, speed, luck, health and mana, the figures of the kind bits;
// then the hands are set up again. An empty slot does nothing.
void ApplyEquipEffects(Game& game, int slot);
void RemoveEquipEffects(Game& game, int slot);
// Changes the blessing of a worn item: its effects are taken away, the state set and the effects
// applied again.
void ChangeWornBlessing(Game& game, int slot, uint8_t state);

// Puts `item` into the empty `slot` (the ammunition slot takes a stack, every other one a single
// item): an item that curses itself becomes cursed with its message, then its effects apply and
// its weight joins the burden. False, and nothing changes, when the slot is taken or outside 1..15.
bool PutIntoSlot(Game& game, int slot, const ItemRecord& item);
// Sets the count of the stack in `slot` (the quiver gains or spends pieces; 0 clears the slot):
// the burden changes by what the whole stack weighs now less what it weighed before.
void ResizeWornStack(Game& game, int slot, int32_t count);

// A cursed item in `slot` cannot be taken off: says so (a curse not known before becomes known) and
// returns true. The ammunition slot never refuses.
bool RefuseCursedRemoval(Game& game, int slot);

// Taking off the item in `slot` into the pack: a cursed item refuses ("Ты не можешь снять
// проклятую вещь!") and a cursed one whose state was not known becomes known cursed; the
// ammunition comes off even when cursed; taking off the launcher takes off its ammunition first.
// A pack without room for it refuses too. True when the slot is empty afterwards.
bool TakeOff(Game& game, int slot);
// Takes the item out of `slot` with its effects and its weight, without the curse and pack rules
// (for dropping it or giving it away); returns the item (count 0 for an empty slot).
ItemRecord ClearSlot(Game& game, int slot);

// Messages of taking items off.
inline constexpr std::string_view kCursedItemMessage = "Ты не можешь снять проклятую вещь!";
inline constexpr std::string_view kPackFullMessage = "В рюкзаке больше нет места!";

}  // namespace zaldrun
