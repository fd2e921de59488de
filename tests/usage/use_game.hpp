// Helpers for the item-use tests: a type by its effect handler, an item of a given blessing, and
// using an item as the operations do (the item copied as the current one, its handler called).
#pragma once

#include <string>
#include <string_view>

#include "items/hero_game.hpp"
#include "model/game.hpp"

namespace zaldrun::testing {

// A hero game whose screen answers every wait with Space, so that acknowledged messages pass.
class UseGame : public HeroGame {
 public:
  UseGame() { game().session.io = &io_; }

 private:
  class SpaceIo : public RecordingIo {
   public:
    platform::Key NextKey() override { return platform::Key::Code(platform::keys::kSpace); }
  } io_;
};

// The first type whose description names `handler`; 0 when none does.
int TypeWithHandler(const Game& game, std::string_view handler);
// An item of the handler's type (identified, one) with the given blessing 0..5.
ItemRecord ItemWith(const Game& game, std::string_view handler, uint8_t blessing = 1);
// Makes the item the one being used and calls its handler.
void UseAs(Game& game, const ItemRecord& item);
// Whether the message line or the message log holds `text`.
bool Said(const Game& game, std::string_view text);

}  // namespace zaldrun::testing
