#include "ui/commands.hpp"

#include <cmath>
#include <string>

#include "base/cp1251.hpp"
#include "base/utf8.hpp"
#include "engine/message_line.hpp"
#include "actions/auto_walk.hpp"
#include "actions/movement.hpp"
#include "engine/message_line.hpp"
#include "engine/search.hpp"
#include "engine/turn.hpp"
#include "field/field.hpp"
#include "field/sight.hpp"
#include "items/hand_figures.hpp"
#include "items/item_operations.hpp"
#include "levelgen/overworld.hpp"
#include "model/game.hpp"
#include "records/settings.hpp"
#include "ui/character_sheet.hpp"
#include "ui/describe_cell.hpp"
#include "ui/help_window.hpp"
#include "ui/inventory_window.hpp"
#include "ui/layout.hpp"
#include "ui/message_history_window.hpp"
#include "ui/notebook_window.hpp"
#include "ui/prompts.hpp"
#include "ui/screen.hpp"
#include "ui/skills_window.hpp"
#include "ui/world_map_window.hpp"
#include "ui/speech.hpp"
#include "world/level_change.hpp"
#include "world/save_game.hpp"

namespace zaldrun {
namespace {

namespace keys = platform::keys;

constexpr int kMostSatiation = 6500;

bool Confused(const Game& game) { return game.view.labels.Has(Condition::kConfused); }

// Commands that a confused hero cannot carry out say so and stop.
bool RefuseWhenConfused(Game& game) {
  if (!Confused(game)) return false;
  ShowMessage(game, "Ты не можешь это делать в таком состоянии!", msg::kAcknowledge);
  return true;
}

bool PackGroupEmpty(const Game& game, int group) { return game.world.piles[0].GroupCount(group) == 0; }

void StepBy(Game& game, int dx, int dy) { MoveHero(game, game.world.hero.x + dx, game.world.hero.y + dy); }

void Stumble(Game& game) {
  const int dx = static_cast<int>(game.random.Next() * 3) - 1;
  const int dy = static_cast<int>(game.random.Next() * 3) - 1;
  StepBy(game, dx, dy);
}

void Search(Game& game) {
  if (RefuseWhenConfused(game)) return;
  if (game.world.OnOverworld()) {
    SearchOverworld(game);
    return;
  }
  SearchAround(game, kActivePerPoint, kActiveBase);
}

void GoDown(Game& game) {
  const MapCell& cell = game.world.level.Cell(game.world.hero.x, game.world.hero.y);
  const auto p = cell.params;
  switch (cell.feature) {
    case feature::kStairsDown:
      if (ChangeLevel(game, p[0], p[1], p[2], p[3])) ShowMessage(game, "Ты спустился вниз.");
      break;
    case feature::kStairsUp:
      if (ChangeLevel(game, p[0], p[1], p[2], p[3])) ShowMessage(game, "Ты поднялся наверх.");
      break;
    case feature::kEntrance:
      ChangeLevel(game, p[0] / 100, p[0] % 100, p[2], p[3]);
      break;
    default:
      ShowMessage(game, "Здесь нет никаких лестниц или входов.", msg::kNoLog);
      if (!Confused(game)) OfferTravelToStairs(game);
      break;
  }
}

void Run(Game& game) {
  if (RefuseWhenConfused(game)) return;
  ShowMessage(game, "В каком направлении?", msg::kNoLog);
  const auto offset = AskDirection(game);
  if (offset && (offset->dx != 0 || offset->dy != 0)) RunHero(game, offset->dx, offset->dy);
}

void Explore(Game& game) {
  if (RefuseWhenConfused(game)) return;
  if (game.view.labels.Has(Condition::kBlind)) {
    ShowMessage(game, "Ты ничего не видишь.", msg::kNoLog);
    return;
  }
  ExploreLevel(game);
}

void Travel(Game& game) {
  if (RefuseWhenConfused(game)) return;
  ShowMessage(game, "Куда идти? (Enter — сюда)", msg::kNoLog);
  game.control.pending_operation = PendingOperation::kTravel;
  SelMove(game, game.world.hero.x, game.world.hero.y, kCursorGlyph, kCursorColour);
  RunCursorPrompt(game);
}

// A click on the map walks there; the pointer over it tells what lies under it.
void HandleMouse(Game& game, const platform::Key& key) {
  const int x = key.x - layout::kMapLeft;
  const int y = key.y - layout::kMapTop;
  if (!Level::Inside(x, y) || game.control.prompt_state != prompt::kIdle) return;
  ClearMessageLine(game);
  if (key.kind == platform::KeyKind::kMouseMove) {
    // Said on the line, not kept in the history: the pointer passes over many cells.
    game.view.message_line = " " + CellDescription(game, x, y);
  } else if (!RefuseWhenConfused(game)) {
    TravelTo(game, x, y);
  }
}

void Shoot(Game& game) {
  if (RefuseWhenConfused(game)) return;
  if (!MissileReady(game)) {
    ShowMessage(game, "Нечем стрельнуть...", msg::kNoLog);
    return;
  }
  const Hero& hero = game.world.hero;
  if (game.control.target_monster < 1 || game.control.target_monster > game.world.level.monster_count) {
    game.control.target_monster = 0;
    SelRound(game, hero.x, hero.y, hero.sight_radius, CellOperation::kTarget, 0);
  }
  int x = hero.x;
  int y = hero.y;
  if (game.control.target_monster >= 1 && game.control.target_monster <= game.world.level.monster_count) {
    const MonsterRecord& target = game.world.level.Monster(game.control.target_monster);
    x = target.x;
    y = target.y;
  }
  SelMove(game, x, y, kCursorGlyph, kCursorColour);
  game.control.pending_operation = PendingOperation::kShoot;
  RunCursorPrompt(game);
}

// The target cursor opens at the current target monster or at the hero; the direction prompt
// follows the question the operation asked.
void ServeAimRequest(Game& game) {
  const Control::AimRequest request = game.control.aim_request;
  game.control.aim_request = Control::AimRequest::kNone;
  if (request == Control::AimRequest::kDirection) {
    RunOpenPrompt(game);
    return;
  }
  const Hero& hero = game.world.hero;
  int x = hero.x;
  int y = hero.y;
  const int target = game.control.target_monster;
  if (target >= 1 && target <= game.world.level.monster_count) {
    x = game.world.level.Monster(target).x;
    y = game.world.level.Monster(target).y;
  }
  SelMove(game, x, y, kCursorGlyph, kCursorColour);
  RunCursorPrompt(game);
}

void Look(Game& game) {
  game.control.pending_operation = PendingOperation::kNone;
  SelMove(game, game.world.hero.x, game.world.hero.y, kCursorGlyph, kCursorColour);
  RunCursorPrompt(game);
}

// Quitting loses the hero for good; the save key is named before the question is asked.
void WarnOfLoss(Game& game) {
  std::string save_key;
  AppendUtf8(save_key, Cp1251ToUnicode(game.session.settings.Binding(Command::kSave)));
  ShowMessage(game,
              "Выход без сохранения: герой будет потерян навсегда! Чтобы сохранить его и выйти, "
              "нажми " + save_key + ".",
              msg::kNoLog);
}

void AskAndEnd(Game& game, const char* question, bool save) {
  ShowMessage(game, question, msg::kQuestion);
  if (!TakeYes(game)) return;
  if (save) {
    std::string error;
    if (!SaveCurrentGame(game, &error)) {
      // The game goes on, with the old save as it was.
      if (game.session.io != nullptr) {
        game.session.io->MessageBox("Игра не сохранена: " + error, "Залдрун");
      }
      return;
    }
    game.session.saved = true;
  } else {
    game.control.end_reason = 1;  // the player quit
    game.session.saved = false;
  }
  game.session.unload_requested = true;
}

// The diagnostic line: the pending operation, the prompt state and the number of events, then the
// hero's attributes and figures (until the character sheet shows them).
void ShowDiagnostics(Game& game) {
  const Hero& hero = game.world.hero;
  static constexpr const char* kShort[kAttributeCount] = {"Сил", "Ум", "Вол", "Лов", "Вын",
                                                          "Хар", "Вн", "Маг", "Вос"};
  std::string text = std::string(PendingOperationName(game.control.pending_operation)) + " " + std::to_string(game.control.prompt_state) + " " +
                     std::to_string(game.world.event_count) + " |";
  for (int a = 0; a < kAttributeCount; ++a) {
    text += std::string(" ") + kShort[a] + " " + std::to_string(hero.Current(a));
  }
  text += " | Скор " + std::to_string(hero.speed_base + hero.speed_bonus) + " Защ " +
          std::to_string(hero.defence) + " Точн " + std::to_string(hero.to_hit) + " Обзор " +
          std::to_string(hero.sight_radius) + " Груз " + std::to_string(hero.max_weight) + " Еда " +
          std::to_string(hero.satiation) + " Реген " + std::to_string(hero.regen_rate);
  ShowMessage(game, text, msg::kNoLog);
}

void RunSpeechCommand(Narrator& narrator, Command command) {
  if (command == Command::kToggleSpeech) narrator.Toggle();
  if (command == Command::kRepeatMessage) narrator.RepeatLast();
  if (command == Command::kWhereAmI) narrator.TellSurroundings();
}

void RunCommand(Game& game, Command command) {
  switch (command) {
    case Command::kPickUp:
      PickUpHere(game);
      break;
    case Command::kDrop:
      OpenPackAtFirstCategory(game, PendingOperation::kDrop);
      break;
    case Command::kEquip:
      OpenEquipmentList(game);
      break;
    case Command::kInv:
      OpenPackAtFirstCategory(game, PendingOperation::kNone);
      break;
    case Command::kKick:
      if (RefuseWhenConfused(game)) return;
      game.control.pending_operation = PendingOperation::kNone;
      ShowMessage(game, "В каком направлении?", msg::kNoLog);
      RunKickPrompt(game);
      break;
    case Command::kOpen:
      if (RefuseWhenConfused(game)) return;
      game.control.pending_operation = PendingOperation::kNone;
      ShowMessage(game, "В каком направлении?", msg::kNoLog);
      RunOpenPrompt(game);
      break;
    case Command::kRead:
      if (RefuseWhenConfused(game)) return;
      if (game.world.hero.SkillAt(skill::kLiteracy).value < 1) {
        ShowMessage(game, "Да ты читать не умеешь!");
      } else if (PackGroupEmpty(game, item_category::kScroll) && PackGroupEmpty(game, item_category::kBook)) {
        ShowMessage(game, "А читать-то нечего!", msg::kNoLog);
      } else {
        OpenPack(game, item_category::kScroll, PendingOperation::kRead);
      }
      break;
    case Command::kDrink:
      if (PackGroupEmpty(game, item_category::kPotion))
        ShowMessage(game, "А пить-то нечего!", msg::kNoLog);
      else
        OpenPack(game, item_category::kPotion, PendingOperation::kDrink);
      break;
    case Command::kEat:
      if (PackGroupEmpty(game, item_category::kFood)) {
        ShowMessage(game, "А есть-то нечего!", msg::kNoLog);
      } else if (game.world.hero.satiation > kMostSatiation) {
        ShowMessage(game, "Ты больше не можешь ничего есть!");
      } else {
        OpenPack(game, item_category::kFood, PendingOperation::kEat);
      }
      break;
    case Command::kZap:
      if (RefuseWhenConfused(game)) return;
      if (PackGroupEmpty(game, item_category::kWand))
        ShowMessage(game, "Нету жезлов", msg::kNoLog);
      else
        OpenPack(game, item_category::kWand, PendingOperation::kZap);
      break;
    case Command::kInfo:
      if (Screen* screen = ScreenOf(game)) RunCharacterSheet(game, *screen);
      break;
    case Command::kShoot:
      Shoot(game);
      break;
    case Command::kSearch:
      Search(game);
      break;
    case Command::kDip:
      if (RefuseWhenConfused(game)) return;
      if (PackGroupEmpty(game, item_category::kPotion)) {
        ShowMessage(game, "Нету зелий.", msg::kNoLog);
      } else {
        game.control.effect_handler = "Dip";
        OpenPackAtFirstCategory(game, PendingOperation::kSelectItem);
      }
      break;
    case Command::kSkills:
      if (Screen* screen = ScreenOf(game)) RunSkillsWindow(game, *screen);
      break;
    case Command::kGoDown:
      GoDown(game);
      break;
    case Command::kQuit:
      WarnOfLoss(game);
      AskAndEnd(game, "Действительно выйти?", false);
      break;
    case Command::kLook:
      Look(game);
      break;
    case Command::kChat:
      game.control.pending_operation = PendingOperation::kChat;
      ShowMessage(game, "С кем поговорить?", msg::kNoLog);
      RunOpenPrompt(game);
      break;
    case Command::kSave:
      AskAndEnd(game, "Сохранить и выйти?", true);
      break;
    case Command::kNotes:
      if (Screen* screen = ScreenOf(game)) RunNotebookWindow(game, *screen);
      break;
    case Command::kToggleSpeech:
    case Command::kRepeatMessage:
    case Command::kWhereAmI:
      if (Screen* screen = ScreenOf(game); screen != nullptr && screen->narrator() != nullptr) {
        RunSpeechCommand(*screen->narrator(), command);
      }
      break;
    case Command::kCast:
      break;
    case Command::kHelp:
      if (Screen* screen = ScreenOf(game)) RunHelpWindow(game, *screen);
      break;
    case Command::kMessages:
      if (Screen* screen = ScreenOf(game)) RunMessageHistoryWindow(game, *screen);
      break;
    case Command::kRun:
      Run(game);
      break;
    case Command::kRest:
      if (!RefuseWhenConfused(game)) RestHero(game);
      break;
    case Command::kExplore:
      Explore(game);
      break;
    case Command::kTravel:
      Travel(game);
      break;
    case Command::kWorldMap:
      if (Screen* screen = ScreenOf(game)) RunWorldMapWindow(game, *screen);
      break;
  }
}

// Key-down: the fixed keys (directions and waiting).
bool HandleFixedKey(Game& game, const platform::Key& key) {
  if (key.code == keys::kSpace) game.control.prompt_state = prompt::kIdle;
  const bool direction = keys::IsDirection(key.code);
  if (direction && game.control.prompt_state != prompt::kIdle && game.session.settings.fast_more != 0) {
    game.control.prompt_state = prompt::kIdle;
    return true;
  }
  if (game.control.prompt_state != prompt::kIdle) return false;
  ClearMessageLine(game);
  if (!direction && key.code != keys::kClear) return false;
  if (Confused(game)) {
    Stumble(game);
  } else if (key.code == keys::kClear) {
    AdvanceTime(game, game.world.hero.action_cost);
  } else if (key.shift) {
    const auto offset = DirectionOf(key.code);
    RunHero(game, offset->dx, offset->dy);
  } else {
    const auto offset = DirectionOf(key.code);
    StepBy(game, offset->dx, offset->dy);
  }
  return true;
}

// Key-press: the bound characters, then "/" and Ctrl+E.
void HandleCharacter(Game& game, uint8_t ch) {
  if (ch == 'y' && game.control.prompt_state == prompt::kWaiting) game.control.prompt_state = prompt::kYes;
  if (ch == 'n') game.control.prompt_state = prompt::kIdle;
  if (ch != 'y' && game.control.prompt_state != prompt::kIdle && game.session.settings.fast_more != 0) {
    game.control.prompt_state = prompt::kIdle;
    return;
  }
  if (game.control.prompt_state != prompt::kIdle) return;
  ClearMessageLine(game);
  for (Command command : MatchOrder()) {
    if (game.session.settings.Binding(command) == ch) {
      RunCommand(game, command);
      return;
    }
  }
  if (ch == '/')
    ShowDiagnostics(game);
  else if (ch == 5)
    ShowMap(game);
}

}  // namespace

void HandleGameKey(Game& game, Screen& screen, const platform::Key& key) {
  const bool mouse =
      key.kind == platform::KeyKind::kMouseClick || key.kind == platform::KeyKind::kMouseMove;
  if (key.kind != platform::KeyKind::kKey && !mouse) return;
  if (game.GameOver()) {
    // The pointer passing over the map is no key.
    if (key.kind != platform::KeyKind::kMouseMove) game.session.unload_requested = true;
    return;
  }
  if (mouse) {
    HandleMouse(game, key);
    return;
  }
  if (!HandleFixedKey(game, key) && key.ch != 0 && key.code != keys::kSpace) {
    const uint8_t ch = key.cp1251;
    if (ch != 0) HandleCharacter(game, ch);
  }
  // A command (or a chest, a cache, a pile underfoot) asked for the inventory window; an item
  // operation chosen there may ask for the target cursor or the direction prompt, or the window
  // again.
  while (!game.GameOver()) {
    if (game.control.inventory.open_requested) {
      RunInventoryWindow(game, screen);
    } else if (game.control.aim_request != Control::AimRequest::kNone) {
      ServeAimRequest(game);
    } else {
      break;
    }
  }
}

}  // namespace zaldrun
