#include "use_game.hpp"

#include <fstream>
#include <sstream>

#include "base/byte_record.hpp"
#include "base/cp1251.hpp"
#include "usage/item_use.hpp"

namespace zaldrun::testing {

int TypeWithHandler(const Game& game, std::string_view handler) {
  const auto& descriptions = game.data.items.descriptions;
  for (size_t i = 0; i < descriptions.size(); ++i) {
    if (TrimRight(descriptions[i].handler) == handler) return static_cast<int>(i) + 1;
  }
  return 0;
}

ItemRecord ItemWith(const Game& game, std::string_view handler, uint8_t blessing) {
  ItemRecord item = Item(TypeWithHandler(game, handler));
  item.blessing = blessing;
  return item;
}

void UseAs(Game& game, const ItemRecord& item) {
  game.control.current_item = item;
  game.control.effect_handler = std::string(
      TrimRight(game.data.items.descriptions[static_cast<size_t>(item.type - 1)].handler));
  RunEffect(game, game.control.effect_handler);
}

bool Said(const Game& game, std::string_view text) {
  if (game.view.message_line.find(text) != std::string::npos) return true;
  std::ifstream log(game.session.LogPath(), std::ios::binary);
  std::stringstream bytes;
  bytes << log.rdbuf();
  return Cp1251ToUtf8(bytes.str()).find(text) != std::string::npos;
}

}  // namespace zaldrun::testing
