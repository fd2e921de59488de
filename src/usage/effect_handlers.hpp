// Every item effect handler, by the name item types give in Items.dat: potions, food and herbs,
// scrolls and wands. Each reads the item being used (Control::current_item), does its effect and
// shows its messages; the aimed ones read their aim or the target cell.
#pragma once

#include "items/effect_registry.hpp"
#include "model/game.hpp"

namespace zaldrun {

// Potions (potion_effects.cpp).
void pHeal(Game& game, const EffectAim& aim);
void pHealEx(Game& game, const EffectAim& aim);
void pCurePoison(Game& game, const EffectAim& aim);
void qVodka(Game& game, const EffectAim& aim);
void qWater(Game& game, const EffectAim& aim);
void BoostSpeed(Game& game, const EffectAim& aim);
void ParalyzWard(Game& game, const EffectAim& aim);
void IncrFireRes(Game& game, const EffectAim& aim);
void IncrColdRes(Game& game, const EffectAim& aim);
void Paralyze(Game& game, const EffectAim& aim);
void CureConfuz(Game& game, const EffectAim& aim);
void Recovery(Game& game, const EffectAim& aim);
void pRawMana(Game& game, const EffectAim& aim);
void pDispel(Game& game, const EffectAim& aim);
void IncrRegen(Game& game, const EffectAim& aim);
void pGAtr(Game& game, const EffectAim& aim);

// Food and herbs (food_effects.cpp); Eat lets the time pass.
void eApple(Game& game, const EffectAim& aim);
void eTail(Game& game, const EffectAim& aim);
void eMagApple(Game& game, const EffectAim& aim);
void eBread(Game& game, const EffectAim& aim);
void eMelon(Game& game, const EffectAim& aim);
void eBone(Game& game, const EffectAim& aim);
void eMeat(Game& game, const EffectAim& aim);
void eMeatFr(Game& game, const EffectAim& aim);
void eUho(Game& game, const EffectAim& aim);
void hHellRoot(Game& game, const EffectAim& aim);
void hMoh(Game& game, const EffectAim& aim);
void hSeld(Game& game, const EffectAim& aim);
void hGob(Game& game, const EffectAim& aim);
void hCarrot(Game& game, const EffectAim& aim);
void hOrc(Game& game, const EffectAim& aim);
void hDarkB(Game& game, const EffectAim& aim);
void hLeaf(Game& game, const EffectAim& aim);

// An attribute that drains or a weakness lowered, chosen at random, gets back what they took,
// with its message; false when none is lowered.
bool RestoreAttribute(Game& game);

}  // namespace zaldrun

namespace zaldrun {

// Scrolls and notes (scroll_effects.cpp). sRC, sID and sDC act on the item chosen in the
// inventory window (a pack stack or, from the equipment list, a worn item).
void sRC(Game& game, const EffectAim& aim);
void sID(Game& game, const EffectAim& aim);
void sDC(Game& game, const EffectAim& aim);
void rCRM(Game& game, const EffectAim& aim);
void rEducat(Game& game, const EffectAim& aim);
void rGainExp(Game& game, const EffectAim& aim);
void rBless(Game& game, const EffectAim& aim);
void rStoneSkin(Game& game, const EffectAim& aim);
void rIceRing(Game& game, const EffectAim& aim);
void rTelek(Game& game, const EffectAim& aim);
void rFireBolt(Game& game, const EffectAim& aim);
void DetCurse(Game& game, const EffectAim& aim);
void VornsMsg(Game& game, const EffectAim& aim);
void MysticLetter(Game& game, const EffectAim& aim);

// Wands (wand_effects.cpp).
void wMagicBite(Game& game, const EffectAim& aim);
void wLBall(Game& game, const EffectAim& aim);
void wBreath(Game& game, const EffectAim& aim);
void wAcidS(Game& game, const EffectAim& aim);
void wOpen(Game& game, const EffectAim& aim);
void wInferno(Game& game, const EffectAim& aim);
void wParalyz(Game& game, const EffectAim& aim);
void wSlow(Game& game, const EffectAim& aim);

}  // namespace zaldrun
