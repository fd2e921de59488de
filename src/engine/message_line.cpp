#include "engine/message_line.hpp"

#include <string>
#include <utility>

#include "base/cp1251.hpp"
#include "base/file_io.hpp"
#include "base/utf8.hpp"
#include "model/game.hpp"
#include "model/io.hpp"

namespace zaldrun {
namespace {

namespace keys = platform::keys;

// Waits until a key handler moves the state away from "waiting".
void Wait(Game& game) {
  game.control.prompt_state = prompt::kWaiting;
  while (game.control.prompt_state == prompt::kWaiting) {
    ServeWaitKey(game, game.session.io->NextKey());
  }
}

void WaitForMore(Game& game) {
  game.view.message_line += kMoreMark;
  Wait(game);
}

// The answer a click lands on, -1 for none.
int ClickedAnswer(const AnswerList& chat, const platform::Key& key) {
  if (!chat.visible || key.x < chat.left) return -1;
  for (size_t i = 0; i + 1 < chat.rows.size() && i < chat.lines.size(); ++i) {
    if (key.y >= chat.rows[i] && key.y < chat.rows[i + 1]) return static_cast<int>(i);
  }
  return -1;
}

// The entry box takes typed text; Enter confirms it. With the answer list open, Up and Down
// choose an answer and Enter (or a click) takes it.
void WaitForEntry(Game& game) {
  game.view.number_input.visible = true;
  game.view.number_input.text = std::move(game.view.number_input.preset);
  game.view.number_input.preset.clear();
  game.control.prompt_state = prompt::kWaiting;
  while (game.control.prompt_state == prompt::kWaiting) {
    const platform::Key key = game.session.io->NextKey();
    if (key.kind == platform::KeyKind::kHangup) {
      // Nobody answers: as an empty entry, which every asker takes for "nothing".
      game.view.number_input.text.clear();
      game.control.prompt_state = prompt::kIdle;
      break;
    }
    AnswerList& chat = game.view.chat;
    const int answers = static_cast<int>(chat.lines.size());
    if (chat.visible && answers > 0 && (key.code == keys::kUp || key.code == keys::kDown)) {
      chat.selected = (chat.selected + (key.code == keys::kUp ? answers - 1 : 1)) % answers;
      continue;
    }
    if (key.kind == platform::KeyKind::kMouseClick) {
      // A click on an answer chooses it and takes it at once, whatever was typed.
      const int line = ClickedAnswer(chat, key);
      if (line < 0) continue;
      chat.selected = line;
      game.view.number_input.text.clear();
    }
    if (key.code == keys::kEnter || key.kind == platform::KeyKind::kMouseClick) {
      if (chat.visible && answers > 0 && game.view.number_input.text.empty()) {
        game.view.number_input.text =
            chat.lines[static_cast<size_t>(chat.selected) % chat.lines.size()];
        if (chat.tag == 0) chat.visible = false;
      }
      game.control.prompt_state = prompt::kIdle;
    } else if (key.code == keys::kBackspace) {
      std::u32string text = DecodeUtf8(game.view.number_input.text);
      if (!text.empty()) text.pop_back();
      game.view.number_input.text = EncodeUtf8(text);
    } else if (key.ch >= 32 && key.code != keys::kEscape &&
               game.view.number_input.text.size() < 120) {
      AppendUtf8(game.view.number_input.text, key.ch);
    }
  }
  game.view.number_input.visible = false;
}

void Log(Game& game, std::string_view text) {
  std::string line = Utf8ToCp1251(text);
  line += "\r\n";
  std::string error;
  AppendToFile(game.session.LogPath(), line, &error);  // a log that cannot be written is skipped
}

}  // namespace

bool ServeWaitKey(Game& game, const platform::Key& key) {
  if (game.control.prompt_state == prompt::kIdle || game.control.prompt_state == prompt::kGameOver)
    return false;
  if (key.kind == platform::KeyKind::kHangup) {
    game.control.prompt_state = prompt::kIdle;
    return true;
  }
  if (key.kind != platform::KeyKind::kKey) return false;
  if (key.code == keys::kSpace) {
    game.control.prompt_state = prompt::kIdle;
  } else if (key.ch == U'y' && !key.ctrl) {
    if (game.control.prompt_state == prompt::kWaiting)
      game.control.prompt_state = prompt::kYes;
    else if (game.session.settings.fast_more != 0)
      game.control.prompt_state = prompt::kIdle;
  } else if (key.ch == U'n' && !key.ctrl) {
    game.control.prompt_state = prompt::kIdle;
  } else if (game.session.settings.fast_more != 0) {
    game.control.prompt_state = prompt::kIdle;
  }
  return true;
}

int32_t MessageColour(int flags) {
  if ((flags & msg::kBeep) != 0) return 0x5050FF;
  if ((flags & msg::kAcknowledge) != 0) return 0x00FFFF;
  if ((flags & (msg::kQuestion | msg::kEntry)) != 0) return 0xFFD090;
  return 0xE6E6E6;
}

void ShowMessage(Game& game, std::string_view text, int flags) {
  if (game.GameOver()) return;
  game.view.history.Add(std::string(text), MessageColour(flags));
  if ((flags & msg::kFreshLine) != 0 && !game.view.message_line.empty()) {
    WaitForMore(game);
    game.view.message_line.clear();
  }
  if (Utf8Length(game.view.message_line) + Utf8Length(text) <= kMessageLineLimit) {
    game.view.message_line += " ";
    game.view.message_line += text;
  } else {
    WaitForMore(game);
    game.view.message_line = std::string(text);
  }
  game.view.NoteShown(text);
  if ((flags & msg::kBeep) != 0) game.session.io->Beep();
  if ((flags & msg::kAcknowledge) != 0) {
    WaitForMore(game);
    game.view.message_line.clear();
  } else if ((flags & msg::kQuestion) != 0) {
    game.view.message_line += "(Y/N)";
    Wait(game);
  } else if ((flags & msg::kEntry) != 0) {
    WaitForEntry(game);
  }
  if ((flags & msg::kNoLog) == 0) Log(game, text);
}

bool TakeYes(Game& game) {
  if (game.control.prompt_state != prompt::kYes) return false;
  game.control.prompt_state = prompt::kIdle;
  return true;
}

void ClearMessageLine(Game& game) { game.view.message_line.clear(); }

}  // namespace zaldrun
