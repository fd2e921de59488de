#include "ui/prompts.hpp"

#include <string>

#include "actions/auto_walk.hpp"
#include "base/byte_record.hpp"
#include "combat/doors.hpp"
#include "combat/kicks.hpp"
#include "combat/missiles.hpp"
#include "engine/dispatch.hpp"
#include "engine/message_line.hpp"
#include "engine/turn.hpp"
#include "field/field.hpp"
#include "items/effect_registry.hpp"
#include "items/item_operations.hpp"
#include "model/game.hpp"
#include "model/io.hpp"
#include "quests/talk.hpp"
#include "ui/describe_cell.hpp"

namespace zaldrun {
namespace {

namespace keys = platform::keys;

constexpr const char* kStrangeDirection = "Странное направление.";

enum class Prologue { kHandle, kSwallow, kEnd };

// What every prompt does with a key first: after death the game ends; a pending "more" is
// served (Space clears it and the key then counts as an ordinary one).
Prologue ServePrologue(Game& game, const platform::Key& key, bool cursor) {
  if (game.GameOver()) {
    game.session.unload_requested = true;
    return Prologue::kEnd;
  }
  if (cursor) {
    ClearMessageLine(game);
  } else if (!game.session.game_in_progress) {
    return Prologue::kEnd;
  }
  if (key.code == keys::kSpace) game.control.prompt_state = prompt::kIdle;
  if (game.control.prompt_state != prompt::kIdle) {
    if (game.session.settings.fast_more != 0) game.control.prompt_state = prompt::kIdle;
    return Prologue::kSwallow;
  }
  return Prologue::kHandle;
}

// The next key the prompt handles, or nothing when the prompt ends without one.
std::optional<platform::Key> PromptKey(Game& game, bool cursor) {
  while (true) {
    const platform::Key key = game.session.io->NextKey();
    if (key.kind == platform::KeyKind::kHangup) return std::nullopt;  // as if Escape
    if (key.kind != platform::KeyKind::kKey) continue;
    switch (ServePrologue(game, key, cursor)) {
      case Prologue::kEnd:
        return std::nullopt;
      case Prologue::kSwallow:
        continue;
      case Prologue::kHandle:
        return key;
    }
  }
}

bool IsCentre(const Offset& offset) { return offset.dx == 0 && offset.dy == 0; }

void OpenOwnCell(Game& game) {
  const MapCell& cell = game.world.level.Cell(game.world.hero.x, game.world.hero.y);
  if (cell.feature != feature::kChest) {
    ShowMessage(game, "ГГ выполнил недопустимую операцию и будет ЗАКРЫТ :)");
    return;
  }
  // The chest's contents are the pile its container reference names.
  const bool has_pile = cell.container >= 1 && cell.container <= kLevelPiles &&
                        game.world.piles[static_cast<size_t>(cell.container)].count > 0;
  if (!has_pile) {
    ShowMessage(game, "А сундучок-то пустой!");
    return;
  }
  OpenPile(game, cell.container);
  AdvanceTime(game, game.world.hero.action_cost);
}

}  // namespace

std::optional<Offset> DirectionOf(int key_code) {
  switch (key_code) {
    case keys::kPageUp:
      return Offset{1, -1};
    case keys::kPageDown:
      return Offset{1, 1};
    case keys::kEnd:
      return Offset{-1, 1};
    case keys::kHome:
      return Offset{-1, -1};
    case keys::kLeft:
      return Offset{-1, 0};
    case keys::kUp:
      return Offset{0, -1};
    case keys::kRight:
      return Offset{1, 0};
    case keys::kDown:
      return Offset{0, 1};
    case keys::kClear:
      return Offset{0, 0};
    default:
      return std::nullopt;
  }
}

void CallEffectHandler(Game& game, int aim_kind, int x, int y) {
  EffectAim aim;
  aim.kind = static_cast<EffectAim::Kind>(aim_kind);
  aim.x = x;
  aim.y = y;
  const auto* entry = EffectRegistry().Find(game.control.effect_handler);
  if (entry == nullptr || entry->fn == nullptr) {
    ReportOnce(game, "Нет действия предмета \"" +
                         std::string(TrimRight(game.control.effect_handler)) + "\".");
    ShowMessage(game, "Ничего не происходит.");
    return;
  }
  entry->fn(game, aim);
}

std::optional<Offset> AskDirection(Game& game) {
  const auto key = PromptKey(game, false);
  if (!key) return std::nullopt;
  const auto offset = DirectionOf(key->code);
  if (!offset) ShowMessage(game, kStrangeDirection);
  return offset;
}

void RunKickPrompt(Game& game) {
  const auto key = PromptKey(game, false);
  if (!key) return;
  const auto offset = DirectionOf(key->code);
  if (!offset) {
    ShowMessage(game, kStrangeDirection);
  } else if (IsCentre(*offset)) {
    ShowMessage(game, "Ты неудачно попытался пнуть себя.");
  } else {
    KickAt(game, game.world.hero.x + offset->dx, game.world.hero.y + offset->dy);
  }
}

void RunOpenPrompt(Game& game) {
  const auto key = PromptKey(game, false);
  if (!key) return;
  const auto offset = DirectionOf(key->code);
  const PendingOperation operation = game.control.pending_operation;
  if (operation == PendingOperation::kChat) {
    ClearMessageLine(game);
    if (!offset) {
      ShowMessage(game, kStrangeDirection);
    } else if (IsCentre(*offset)) {
      ShowMessage(game, "Ты немного поговорил сам с собой.");
    } else {
      Talk(game, game.world.hero.x + offset->dx, game.world.hero.y + offset->dy);
    }
  } else if (operation == PendingOperation::kZap) {
    if (!offset) {
      ShowMessage(game, kStrangeDirection);
    } else if (IsCentre(*offset)) {
      CallEffectHandler(game, static_cast<int>(EffectAim::Kind::kPosition), game.world.hero.x,
                        game.world.hero.y);
    } else {
      CallEffectHandler(game, static_cast<int>(EffectAim::Kind::kDirection), offset->dx,
                        offset->dy);
    }
  } else if (!offset) {
    ShowMessage(game, kStrangeDirection);
  } else if (IsCentre(*offset)) {
    OpenOwnCell(game);
  } else {
    OpenDoor(game, game.world.hero.x + offset->dx, game.world.hero.y + offset->dy);
  }
}

void RunCursorPrompt(Game& game) {
  while (true) {
    const auto key = PromptKey(game, true);
    if (!key) {
      SelOff(game);
      return;
    }
    if (const auto offset = DirectionOf(key->code)) {
      DescribeCell(game, game.control.cursor_x + offset->dx, game.control.cursor_y + offset->dy);
      continue;
    }
    if (key->code != keys::kEnter && key->code != 'T') {
      SelOff(game);
      return;
    }
    const int x = game.control.cursor_x;
    const int y = game.control.cursor_y;
    game.control.target_monster = game.world.level.Cell(x, y).monster;
    SelOff(game);
    const PendingOperation operation = game.control.pending_operation;
    if (operation == PendingOperation::kRead || operation == PendingOperation::kZap) {
      game.control.target_x = static_cast<int16_t>(x);
      game.control.target_y = static_cast<int16_t>(y);
      CallEffectHandler(game, static_cast<int>(EffectAim::Kind::kNone), 0, 0);
      AdvanceTime(game, game.world.hero.action_cost);
    } else if (operation == PendingOperation::kShoot) {
      if (x == game.world.hero.x && y == game.world.hero.y) {
        ShowMessage(game, "В себя ты точно не попадёшь!");
      } else {
        HeroShot(game, x, y);
      }
    } else if (operation == PendingOperation::kTravel) {
      game.control.pending_operation = PendingOperation::kNone;
      TravelTo(game, x, y);
    }
    return;
  }
}

}  // namespace zaldrun
