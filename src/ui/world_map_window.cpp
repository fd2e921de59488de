#include "ui/world_map_window.hpp"

#include <algorithm>

#include "base/cp1251.hpp"
#include "base/file_io.hpp"
#include "base/utf8.hpp"
#include "engine/message_line.hpp"
#include "model/game.hpp"
#include "records/text_table.hpp"
#include "ui/layout.hpp"
#include "ui/screen.hpp"
#include "ui/widgets.hpp"
#include "world/level_file.hpp"

namespace zaldrun {
namespace {

constexpr platform::Color kLabelFg{255, 255, 140};
constexpr platform::Color kLabelBg{40, 40, 60};
constexpr const char* kTitle = "Карта мира";
constexpr const char* kHint = "Esc — закрыть";

class WorldMapLayer : public Layer {
 public:
  WorldMapLayer(const Level& overworld, const Game& game)
      : overworld_(overworld), game_(game), labels_(FoundEntrances(overworld)) {}

  void Draw(platform::Grid& grid) const override {
    const ui::Rect rect = ui::CentredRect(grid, kMapWidth + 2, kMapHeight + 3);
    ui::DrawWindow(grid, rect, kTitle);
    grid.Fill(rect.x + 1, rect.y + 1, kMapWidth, kMapHeight, U' ', platform::colors::kWhite,
              platform::colors::kBlack);
    for (int y = 0; y < kMapHeight; ++y) {
      for (int x = 0; x < kMapWidth; ++x) {
        const MapCell& cell = overworld_.Cell(x, y);
        if (cell.seen == 0 || cell.remembered_glyph == 0) continue;
        grid.Put(rect.x + 1 + x, rect.y + 1 + y, Cp1251ToUnicode(cell.remembered_glyph),
                 platform::FromPackedBgr(static_cast<uint32_t>(cell.remembered_colour)),
                 platform::colors::kBlack);
      }
    }
    if (game_.world.OnOverworld()) {
      grid.Put(rect.x + 1 + game_.world.hero.x, rect.y + 1 + game_.world.hero.y, U'@',
               platform::colors::kWhite, platform::colors::kBlack);
    }
    for (const EntranceLabel& label : labels_) {
      // Beside the entrance, on whichever side the name fits.
      const int length = static_cast<int>(Utf8Length(label.name));
      int x = label.x + 2;
      if (x + length > kMapWidth) x = std::max(0, label.x - 1 - length);
      grid.PutText(rect.x + 1 + x, rect.y + 1 + label.y, label.name, kLabelFg, kLabelBg,
                   kMapWidth - x);
    }
    grid.PutText(rect.x + 2, rect.y + rect.h - 1, kHint, ui::palette::kLabel,
                 ui::palette::kWindowBg);
  }

 private:
  const Level& overworld_;
  const Game& game_;
  std::vector<EntranceLabel> labels_;
};

}  // namespace

std::vector<EntranceLabel> FoundEntrances(const Level& overworld) {
  std::vector<EntranceLabel> labels;
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      const MapCell& cell = overworld.Cell(x, y);
      if (cell.seen == 0 || cell.feature != feature::kEntrance) continue;
      labels.push_back({x, y, FetchText(cell.params[1])});
    }
  }
  return labels;
}

std::unique_ptr<Level> RememberedOverworld(const Game& game) {
  if (game.world.OnOverworld()) return std::make_unique<Level>(game.world.level);
  std::string error;
  const auto bytes = KeptLevelBytes(game, kOverworldPlace, kOverworldLevel, &error);
  if (!bytes) return nullptr;
  // Read into a game of its own: the level the hero is on stays as it is.
  auto scratch = std::make_unique<Game>();
  if (!DecodeLevel(*scratch, *bytes).empty()) return nullptr;
  return std::make_unique<Level>(scratch->world.level);
}

void RunWorldMapWindow(Game& game, Screen& screen) {
  const std::unique_ptr<Level> overworld = RememberedOverworld(game);
  if (overworld == nullptr) {
    ShowMessage(game, "Ты ещё не бывал в окрестных землях.", msg::kNoLog);
    return;
  }
  WorldMapLayer layer(*overworld, game);
  LayerScope scope(screen, layer);
  while (true) {
    const platform::Key key = screen.NextWindowKey();
    if (key.kind == platform::KeyKind::kCloseRequest || key.code == platform::keys::kEscape ||
        key.code == platform::keys::kEnter || key.code == platform::keys::kSpace) {
      return;
    }
  }
}

}  // namespace zaldrun
