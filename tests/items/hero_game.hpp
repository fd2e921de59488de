// A game for the equipment tests: the item files loaded, a plain hero (every attribute 35), a
// program folder for the message log and a screen stand-in; helpers to fill the pack and choose a
// stack and a slot as the inventory window does.
#pragma once

#include <memory>
#include <string>

#include "item_game.hpp"
#include "model/game.hpp"
#include "support/temp_folder.hpp"

namespace zaldrun::testing {

class HeroGame {
 public:
  HeroGame();

  Game& game() { return *game_; }
  Hero& hero() { return game_->world.hero; }
  PileRecord& pack() { return game_->world.piles[0]; }
  ItemRecord& slot(int n) { return hero().equipment[static_cast<size_t>(n)]; }
  RecordingIo& io() { return io_; }

  // Takes the item into the pack and chooses its stack in the window, for `slot`.
  void Choose(const ItemRecord& item, int slot);
  // Takes the item into the pack and puts it on by the slot's operation.
  bool Equip(const ItemRecord& item, int slot);
  // The message line without its leading blank.
  std::string Message() const;
  void ClearMessage() { game_->view.message_line.clear(); }

 private:
  TempFolder folder_;
  RecordingIo io_;
  std::unique_ptr<Game> game_;
};

}  // namespace zaldrun::testing
