// The effect handlers of food and herbs. Eating lets the time pass and feeds afterwards.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "engine/condition.hpp"
#include "engine/message_line.hpp"
#include "items/item_lookup.hpp"
#include "model/world_ops.hpp"
#include "usage/effect_handlers.hpp"
#include "usage/effect_support.hpp"

namespace zaldrun {
namespace {

constexpr uint8_t kEndByTheEar = 4;  // "был стёрт с лица земли гневом Великого Уха"

// By blessing: the cursed item's message or the good one's.
void SayByBlessing(Game& game, std::string_view good, std::string_view cursed) {
  ShowMessage(game, CurrentGrade(game) == Grade::kCursed ? cursed : good);
  LearnCurrentType(game);
}

// Nausea: after `ticks` the hero throws up what the item fed.
void Nausea(Game& game, int ticks) {
  const ItemType* entry = FindItemType(game, game.control.current_item.type);
  AddEvent(game, "Rvota", ticks, entry != nullptr ? entry->speed : 0);
}

// A herb works slowly: after a while the attribute rises (or, `drain`, falls) by `amount`.
void SlowChange(Game& game, int attribute, int amount, bool drain = false) {
  AddEvent(game, drain ? "DrainAtr" : "RaiseAtr", RndInt(game, 160) * 10 + 800,
           attribute + 10 * amount);
}

}  // namespace

void eApple(Game& game, const EffectAim&) {
  SayByBlessing(game, "Яблоко было очень сочным и вкусным.", "Это яблоко червивое!");
}

void eTail(Game& game, const EffectAim&) {
  SayByBlessing(game, "Невкусно, но есть можно.", "Редкостная дрянь!");
}

void eMagApple(Game& game, const EffectAim&) {
  LearnCurrentType(game);
  switch (CurrentGrade(game)) {
    case Grade::kCursed:
      ShowMessage(game, "Это яблоко червивое!");
      ShowMessage(game, "Ты почувствовал внезапную усталость.");
      ChangePP(game, -game.world.hero.pp / 2);
      ChangeHP(game, -(RndInt(game, 5) + 1));
      break;
    case Grade::kUncursed:
      ShowMessage(game, "Яблоко было очень сочным и вкусным.");
      ShowMessage(game, "Ты чувствуешь себя отдохнувшим.");
      ChangeHP(game, RndInt(game, 11) + 10);
      break;
    case Grade::kBlessed:
      ShowMessage(game, "Яблоко было очень сочным и вкусным.");
      ShowMessage(game, "Ты чувствуешь себя хорошо отдохнувшим.");
      ChangeHP(game, RndInt(game, 21) + 25);
      ChangePP(game, game.world.hero.max_pp);
      break;
  }
}

void eBread(Game& game, const EffectAim&) {
  SayByBlessing(game, "Ты съел буханку хлеба.", "Тебя чуть не вырвало от заплесневелого хлеба.");
  if (CurrentGrade(game) == Grade::kCursed) Nausea(game, RndInt(game, 12) * 100 + 1500);
}

void eMelon(Game& game, const EffectAim&) {
  SayByBlessing(game, "Арбудыня попалась свежая и сочная.", "От гнилой арбудыни вяжет во рту.");
}

void eBone(Game& game, const EffectAim&) {
  ShowMessage(game, "Хрустит!");
  LearnCurrentType(game);
}

void eMeat(Game& game, const EffectAim&) {
  ShowMessage(game, "Неплохо бы было сначала пожарить это мясо.");
  LearnCurrentType(game);
  if (CurrentGrade(game) != Grade::kCursed) return;
  ShowMessage(game, "Тебе стало плохо от протухшего мяса.");
  Nausea(game, RndInt(game, 12) * 100 + 1800);
}

void eMeatFr(Game& game, const EffectAim&) {
  SayByBlessing(game, "Очень вкусно и питательно!", "Мясо кажется тебе бесвкусным.");
}

void eUho(Game& game, const EffectAim&) {
  ShowMessage(game, "Внезапно раздаётся грохочущий голос:", msg::kAcknowledge);
  ShowMessage(game, "КтО пОсМеЛ СъЕсТь СвЯтОе УхО?!?!?", msg::kAcknowledge);
  ShowMessage(game, "ПоЧуВсТвУй ГнЕв ВеЛиКоГо УхА!!!!!!", msg::kAcknowledge);
  ShowMessage(game, "На тебя падает метеорит.", msg::kAcknowledge);
  game.control.end_reason = kEndByTheEar;
  ChangeHP(game, -(game.world.hero.max_hp + RndInt(game, 85)));
}

void hHellRoot(Game& game, const EffectAim&) {
  ShowMessage(game, "У тебя внутри всё как-будто загорелось!");
  LearnCurrentType(game);
  ChangeHP(game, -(RndInt(game, 6) + ByGrade(game, 8, 5, 3)));
  const int poison = game.world.hero.poison;
  if (game.GameOver() || poison <= 0) return;
  const int strength = ByGrade(game, 30, 60, 120);
  LowerPoison(game, std::min(poison, strength));
  ShowMessage(game, poison <= strength ? "Когда боль прошла, вместе с ней исчезло и отравление!"
                                       : "Постепенно вместе с болью ослабло и действие яда.");
}

void hMoh(Game& game, const EffectAim&) {
  LearnCurrentType(game);
  if (CurrentGrade(game) == Grade::kCursed) {
    ShowMessage(game, "Ты прожевал клочок мха. Жёстко и довольно бесвкусно.");
    return;
  }
  ShowMessage(game, "Ты прожевал клочок мха. Во рту остался кисловатый привкус.");
  SlowChange(game, attribute::kEndurance, ByGrade(game, 0, 1, 2));
}

void hSeld(Game& game, const EffectAim&) {
  LearnCurrentType(game);
  if (CurrentGrade(game) != Grade::kCursed) return;
  ShowMessage(game, "Этот сельдерей действительно гнилой! От него вяжет во рту.");
  Nausea(game, RndInt(game, 12) * 100 + 1500);
}

void hGob(Game& game, const EffectAim&) {
  LearnCurrentType(game);
  const int attribute = RndInt(game, kAttributeCount);
  if (CurrentGrade(game) == Grade::kCursed) {
    ShowMessage(game, "Ты проглотил гоблинскую траву. На вкус она оказалась очень горькой.");
    SlowChange(game, attribute, 1, true);
  } else {
    ShowMessage(game, "Ты проглотил гоблинскую траву. На вкус она оказалась сладковатой.");
    SlowChange(game, attribute, ByGrade(game, 0, 1, 2));
  }
}

void hCarrot(Game& game, const EffectAim&) {
  LearnCurrentType(game);
  ShowMessage(game, CurrentGrade(game) == Grade::kCursed ? "Подгнившая невкусная морковка."
                                                         : "Вкусная хрустящая морковка.");
  if (game.view.labels.Has(Condition::kBlind)) {
    game.view.labels.Set(Condition::kBlind, false);
    ShowMessage(game, "Твоё зрение немного восстанавливается!");
  }
  SlowChange(game, attribute::kPerception, ByGrade(game, 1, 1, 2));
}

void hOrc(Game& game, const EffectAim&) {
  LearnCurrentType(game);
  if (CurrentGrade(game) == Grade::kCursed) {
    ShowMessage(
        game, "Ты проглотил колючку. Она чуть было не застряла в горле и сильно его расцарапала.");
    ChangeHP(game, -(RndInt(game, 6) + 5));
  } else {
    ShowMessage(game, "Ты проглотил колючку. Она успела немного поцарапать горло.");
    ChangeHP(game, -(RndInt(game, 3) + 1));
  }
  if (!game.GameOver()) SlowChange(game, attribute::kStrength, ByGrade(game, 1, 1, 2));
}

void hDarkB(Game& game, const EffectAim&) {
  LearnCurrentType(game);
  if (CurrentGrade(game) == Grade::kCursed) {
    ShowMessage(game, "Ты проглотил чернику. Невероятно кисло!");
    return;
  }
  ShowMessage(game, "Ты проглотил чернику. Вкусно.");
  if (!RestoreAttribute(game)) ShowMessage(game, kNothingHappens);
}

void hLeaf(Game& game, const EffectAim&) {
  int low = ByGrade(game, 4, 14, 22);
  int high = ByGrade(game, 9, 19, 33);
  const int herbology = SkillLevel(game, skill::kHerbology);
  if (herbology < 2) {
    low /= 2;
    high /= 2;
  }
  ChangeHP(game, RndInt(game, high - low + 1) + low + herbology * ByGrade(game, 1, 2, 3));
  ShowMessage(game, "Ты прожевал целебный лист. Твои раны заживают!");
  LearnCurrentType(game);
}

}  // namespace zaldrun
