#include "platform/sdl/sdl_key_translator.hpp"

#include "platform/key_translate.hpp"
#include "base/utf8.hpp"

namespace platform {
namespace {

bool IsModifierOnly(const SDL_Keysym& keysym) {
  switch (keysym.scancode) {
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_LSHIFT:
    case SDL_SCANCODE_LALT:
    case SDL_SCANCODE_LGUI:
    case SDL_SCANCODE_RCTRL:
    case SDL_SCANCODE_RSHIFT:
    case SDL_SCANCODE_RALT:
    case SDL_SCANCODE_RGUI:
    case SDL_SCANCODE_MODE:
    case SDL_SCANCODE_CAPSLOCK:
    case SDL_SCANCODE_NUMLOCKCLEAR:
    case SDL_SCANCODE_SCROLLLOCK:
      return true;
    default:
      break;
  }
  switch (keysym.sym) {
    case SDLK_LCTRL:
    case SDLK_LSHIFT:
    case SDLK_LALT:
    case SDLK_LGUI:
    case SDLK_RCTRL:
    case SDLK_RSHIFT:
    case SDLK_RALT:
    case SDLK_RGUI:
    case SDLK_MODE:
    case SDLK_CAPSLOCK:
    case SDLK_NUMLOCKCLEAR:
    case SDLK_SCROLLLOCK:
      return true;
    default:
      return false;
  }
}

// The keypad by position, so it gives directions whether NumLock is on or off.
int KeypadCode(SDL_Scancode scancode, uint16_t mod) {
  switch (scancode) {
    case SDL_SCANCODE_KP_8:
      return keys::kUp;
    case SDL_SCANCODE_KP_2:
      return keys::kDown;
    case SDL_SCANCODE_KP_4:
      return keys::kLeft;
    case SDL_SCANCODE_KP_6:
      return keys::kRight;
    case SDL_SCANCODE_KP_7:
      return keys::kHome;
    case SDL_SCANCODE_KP_9:
      return keys::kPageUp;
    case SDL_SCANCODE_KP_1:
      return keys::kEnd;
    case SDL_SCANCODE_KP_3:
      return keys::kPageDown;
    case SDL_SCANCODE_KP_5:
    case SDL_SCANCODE_KP_CLEAR:
      return keys::kClear;
    case SDL_SCANCODE_KP_ENTER:
      return keys::kEnter;
    // Without NumLock the keypad's period is Delete; with it, it types its character.
    case SDL_SCANCODE_KP_PERIOD:
      return (mod & KMOD_NUM) ? keys::kNone : keys::kDelete;
    default:
      return keys::kNone;
  }
}

// Named keys by what the layout says they are.
int NamedKeyCode(SDL_Keycode sym) {
  switch (sym) {
    case SDLK_UP:
    case SDLK_KP_8:
      return keys::kUp;
    case SDLK_DOWN:
    case SDLK_KP_2:
      return keys::kDown;
    case SDLK_LEFT:
    case SDLK_KP_4:
      return keys::kLeft;
    case SDLK_RIGHT:
    case SDLK_KP_6:
      return keys::kRight;
    case SDLK_HOME:
    case SDLK_KP_7:
      return keys::kHome;
    case SDLK_END:
    case SDLK_KP_1:
      return keys::kEnd;
    case SDLK_PAGEUP:
    case SDLK_KP_9:
      return keys::kPageUp;
    case SDLK_PAGEDOWN:
    case SDLK_KP_3:
      return keys::kPageDown;
    case SDLK_CLEAR:
    case SDLK_KP_CLEAR:
    case SDLK_KP_5:
      return keys::kClear;
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER:
      return keys::kEnter;
    case SDLK_ESCAPE:
      return keys::kEscape;
    case SDLK_SPACE:
      return keys::kSpace;
    case SDLK_BACKSPACE:
      return keys::kBackspace;
    case SDLK_TAB:
      return keys::kTab;
    case SDLK_DELETE:
      return keys::kDelete;
    default:
      break;
  }
  if (sym >= SDLK_F1 && sym <= SDLK_F12) return keys::kF1 + static_cast<int>(sym - SDLK_F1);
  return keys::kNone;
}

// Letters and digits by key position, whatever the layout types there.
int PositionCode(SDL_Scancode scancode) {
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
    return 'A' + (scancode - SDL_SCANCODE_A);
  }
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) {
    return '1' + (scancode - SDL_SCANCODE_1);
  }
  if (scancode == SDL_SCANCODE_0) return '0';
  return keys::kNone;
}

// Ctrl with '=' or '+' (main row or keypad) enlarges the font; with '-' shrinks it.
bool IsFontLargerKey(const SDL_Keysym& keysym) {
  return keysym.scancode == SDL_SCANCODE_EQUALS || keysym.scancode == SDL_SCANCODE_KP_PLUS ||
         keysym.sym == SDLK_EQUALS || keysym.sym == SDLK_PLUS || keysym.sym == SDLK_KP_PLUS;
}

bool IsFontSmallerKey(const SDL_Keysym& keysym) {
  return keysym.scancode == SDL_SCANCODE_MINUS || keysym.scancode == SDL_SCANCODE_KP_MINUS ||
         keysym.sym == SDLK_MINUS || keysym.sym == SDLK_KP_MINUS;
}

Key StandaloneChar(char32_t ch) {
  Key key;
  key.ch = ch;
  key.cp1251 = CharToCp1251(ch);
  key.code = CodeForTypedChar(ch);
  return key;
}

}  // namespace

void SdlKeyTranslator::Feed(const SDL_Event& event) {
  if (event.type == SDL_TEXTINPUT) {
    OnText(event.text.text);
    return;
  }
  // A modifier pressed on its own neither types nor breaks the pairing of a key and its text;
  // nor does the pointer moving.
  if (event.type == SDL_KEYDOWN && IsModifierOnly(event.key.keysym)) return;
  if (event.type == SDL_MOUSEMOTION) {
    OnMouseMotion(event.motion);
    return;
  }

  // Anything else ends the pairing: text belongs only to the key-down right before it.
  FlushPending();
  drop_next_text_ = false;
  switch (event.type) {
    case SDL_KEYDOWN:
      OnKeyDown(event.key.keysym);
      break;
    case SDL_MOUSEBUTTONDOWN:
      OnMouseDown(event.button);
      break;
    case SDL_QUIT: {
      Key key;
      key.kind = KeyKind::kCloseRequest;
      EmitKey(key);
      break;
    }
    default:
      break;
  }
}

void SdlKeyTranslator::EndOfEvents() { FlushPending(); }

std::optional<TranslatedInput> SdlKeyTranslator::Pop() {
  if (out_.empty()) return std::nullopt;
  TranslatedInput input = out_.front();
  out_.pop_front();
  return input;
}

void SdlKeyTranslator::OnKeyDown(const SDL_Keysym& keysym) {
  const uint16_t mod = keysym.mod;
  const bool shift = (mod & KMOD_SHIFT) != 0;
  const bool ctrl = (mod & KMOD_CTRL) != 0;
  const bool alt = (mod & KMOD_ALT) != 0;
  // Whatever text the key would type is a leftover of a key already delivered or consumed.
  drop_next_text_ = true;

  if (ctrl && !alt && IsFontLargerKey(keysym)) {
    EmitCommand(WindowCommand::kFontLarger);
    return;
  }
  if (ctrl && !alt && IsFontSmallerKey(keysym)) {
    EmitCommand(WindowCommand::kFontSmaller);
    return;
  }

  int code = KeypadCode(keysym.scancode, mod);
  if (code == keys::kNone) code = NamedKeyCode(keysym.sym);
  if (code == keys::kEnter && alt) {
    EmitCommand(WindowCommand::kToggleFullScreen);
    return;
  }

  Key key;
  key.shift = shift;
  key.ctrl = ctrl;
  key.alt = alt;
  if (code != keys::kNone) {
    key.code = code;
    key.ch = NamedKeyChar(code);
    key.cp1251 = CharToCp1251(key.ch);
    EmitKey(key);
    return;
  }

  key.code = PositionCode(keysym.scancode);
  // Ctrl with a letter types no text: it is the control character of that letter (Ctrl+E is 5).
  if (ctrl && !alt && key.code >= 'A' && key.code <= 'Z') {
    key.ch = static_cast<char32_t>(key.code - '@');
    key.cp1251 = static_cast<uint8_t>(key.ch);
    EmitKey(key);
    return;
  }
  pending_ = key;
  drop_next_text_ = false;
}

void SdlKeyTranslator::OnText(const char* utf8) {
  const std::u32string chars = zaldrun::DecodeUtf8(utf8);
  size_t next = 0;
  if (pending_) {
    Key key = *pending_;
    pending_.reset();
    if (!chars.empty()) {
      key.ch = chars[0];
      key.cp1251 = CharToCp1251(key.ch);
      if (key.code == keys::kNone) key.code = CodeForTypedChar(key.ch);
      next = 1;
    }
    if (key.code != keys::kNone || key.ch != 0) EmitKey(key);
  } else if (drop_next_text_) {
    next = chars.size();
  }
  drop_next_text_ = false;
  // Text with no key-down of its own (an input method, a second character) is typed as is.
  for (; next < chars.size(); ++next) EmitKey(StandaloneChar(chars[next]));
}

bool SdlKeyTranslator::HasKey() const {
  for (const TranslatedInput& input : out_) {
    if (input.command != WindowCommand::kNone || input.key.kind != KeyKind::kMouseMove) return true;
  }
  return pending_.has_value();
}

bool SdlKeyTranslator::IsKeyEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_KEYDOWN:
      return event.key.repeat == 0 && !IsModifierOnly(event.key.keysym);
    case SDL_MOUSEBUTTONDOWN:
    case SDL_QUIT:
      return true;
    default:
      return false;
  }
}

bool SdlKeyTranslator::CellAtPoint(int x, int y, Key* key) const {
  const int px = static_cast<int>(static_cast<float>(x) * pixels_per_point_x_);
  const int py = static_cast<int>(static_cast<float>(y) * pixels_per_point_y_);
  return layout_.CellAt(px, py, &key->x, &key->y);
}

void SdlKeyTranslator::OnMouseDown(const SDL_MouseButtonEvent& button) {
  if (button.button != SDL_BUTTON_LEFT) return;
  Key key;
  key.kind = KeyKind::kMouseClick;
  if (!CellAtPoint(button.x, button.y, &key)) return;
  EmitKey(key);
}

void SdlKeyTranslator::OnMouseMotion(const SDL_MouseMotionEvent& motion) {
  Key key;
  key.kind = KeyKind::kMouseMove;
  if (!CellAtPoint(motion.x, motion.y, &key)) return;
  // Only a new cell is news; a stream of moves inside one cell is not.
  if (key.x == hover_x_ && key.y == hover_y_) return;
  hover_x_ = key.x;
  hover_y_ = key.y;
  EmitKey(key);
}

void SdlKeyTranslator::FlushPending() {
  if (!pending_) return;
  const Key key = *pending_;
  pending_.reset();
  // A key that neither has a code nor typed anything means nothing to the game.
  if (key.code != keys::kNone) EmitKey(key);
}

}  // namespace platform
