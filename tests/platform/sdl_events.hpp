// Synthetic SDL events: what the window's event queue delivers for keys, typed text and clicks.
#pragma once

#include <SDL.h>

#include <cstring>

namespace platform::testing {

inline SDL_Event KeyDown(SDL_Scancode scancode, SDL_Keycode sym, uint16_t mod = KMOD_NONE) {
  SDL_Event event{};
  event.key = {.type = SDL_KEYDOWN, .state = SDL_PRESSED, .keysym = {scancode, sym, mod, 0}};
  return event;
}

inline SDL_Event Text(const char* utf8) {
  SDL_Event event{};
  event.type = SDL_TEXTINPUT;
  std::strncpy(event.text.text, utf8, sizeof(event.text.text) - 1);
  return event;
}

inline SDL_Event MouseDown(int x, int y, uint8_t button = SDL_BUTTON_LEFT) {
  SDL_Event event{};
  event.button = {
      .type = SDL_MOUSEBUTTONDOWN, .button = button, .state = SDL_PRESSED, .x = x, .y = y};
  return event;
}

inline SDL_Event Quit() { return SDL_Event{.type = SDL_QUIT}; }

}  // namespace platform::testing
