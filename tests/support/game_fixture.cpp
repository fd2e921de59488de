#include "support/game_fixture.hpp"

#include <algorithm>

#include "base/cp1251.hpp"
#include "engine/monsters_on_level.hpp"
#include "ui/commands.hpp"
#include "world/game_data.hpp"
#include "world/new_game.hpp"

namespace zaldrun::testing {

SandboxLevel PictureLevel(const std::vector<std::string>& rows) {
  std::string text;
  for (int y = 0; y < kMapHeight; ++y) {
    std::string row = y < static_cast<int>(rows.size()) ? rows[static_cast<size_t>(y)] : "";
    row.resize(kMapWidth, 'A');
    text += row + "\n";
  }
  std::string error;
  auto level = ParseSandbox(text, "picture", &error);
  if (!level) throw std::runtime_error(error);
  return *level;
}

GameFixture::GameFixture(const std::vector<std::string>& picture, uint64_t seed)
    : game_(std::make_unique<Game>()), screen_(frontend_), window_(*game_, screen_) {
  game_->session.folder = folder_.path();
  game_->session.data_folder = ZALDRUN_BINARY_DIR;
  game_->session.io = &screen_;
  game_->random.Seed(seed);
  screen_.Push(&window_);
  const std::string error = LoadGameData(*game_);
  if (!error.empty()) throw std::runtime_error(error);
  StartSandbox(*game_, PictureLevel(picture));
}

bool GameFixture::Act(const std::function<void(Game&)>& action) {
  try {
    action(*game_);
    return true;
  } catch (const platform::InputEnded&) {
    return false;
  }
}

bool GameFixture::PlayKeys(const std::function<void()>& after_each) {
  try {
    while (frontend_.pending_keys() > 0) {
      HandleGameKey(*game_, screen_, screen_.NextIdleKey());
      if (after_each) after_each();
      if (game_->session.unload_requested) return false;
    }
  } catch (const platform::InputEnded&) {
  }
  return true;
}

std::string GameFixture::ScreenText() {
  screen_.Present();
  return frontend_.ScreenText();
}

std::vector<std::string> GameFixture::LogLines() const {
  std::vector<std::string> lines;
  const std::string bytes = ReadFileText(game_->session.LogPath());
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) break;
    lines.push_back(Cp1251ToUtf8(bytes.substr(start, end - start)));
    start = end + 2;
  }
  return lines;
}

int GameFixture::LogCount(std::string_view line) const {
  const std::vector<std::string> log = LogLines();
  return static_cast<int>(std::count(log.begin(), log.end(), line));
}

bool GameFixture::LogHas(std::string_view text) const {
  const std::vector<std::string> log = LogLines();
  return std::any_of(log.begin(), log.end(), [text](const std::string& line) {
    return line.find(text) != std::string::npos;
  });
}

bool GameFixture::StartOn(int place, int level) {
  NewGameStart start;
  start.place = place;
  start.level = level;
  bool started = false;
  return Act([&](Game& g) { started = StartNewGame(g, start); }) && started;
}

int GameFixture::AddMonster(int type, int x, int y, bool peaceful) {
  MonsterRecord monster;
  monster.type = static_cast<int16_t>(type);
  monster.x = static_cast<uint8_t>(x);
  monster.y = static_cast<uint8_t>(y);
  monster.hp = monster.max_hp = 10;
  monster.speed = 100;
  monster.peaceful = peaceful ? 1 : 0;
  return PlaceMonster(*game_, monster) ? game_->world.level.monster_count : 0;
}

}  // namespace zaldrun::testing
