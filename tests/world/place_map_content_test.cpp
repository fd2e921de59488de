// The twelve maps of data/maps/ checked against the table of fixed cells in data/README.md: the
// table is the one record of the cells the build routines, quests and shopkeepers rely on.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/places_data.hpp"
#include "records/terrain.hpp"
#include "support/data_files.hpp"
#include "support/temp_folder.hpp"
#include "world/place_maps.hpp"

namespace zaldrun {
namespace {

using Cell = std::pair<int, int>;  // (x, y)

struct FixedCell {
  int line = 0;  // in data/README.md, for messages
  int map = 0;
  std::set<Cell> cells;
  std::string terrain;  // a letter list "C/M", or walkable, wall, secret, enclosure
  std::string area;     // "" for a dash
};

// "5", "26..28", "0, 79", "15..17, 20..22"; empty when the text is none of these.
std::vector<int> ParseCoordinates(const std::string& text) {
  static const std::regex kList(R"(\d+(\.\.\d+)?(, \d+(\.\.\d+)?)*)");
  static const std::regex kPart(R"((\d+)(\.\.(\d+))?)");
  if (!std::regex_match(text, kList)) return {};
  std::vector<int> values;
  for (std::sregex_iterator it(text.begin(), text.end(), kPart), end; it != end; ++it) {
    const int low = std::stoi((*it)[1]);
    const int high = (*it)[3].matched ? std::stoi((*it)[3]) : low;
    if (high < low) return {};
    for (int v = low; v <= high; ++v) values.push_back(v);
  }
  return values;
}

// The rows of the table in data/README.md, from its header to the first line that is no row.
const std::vector<FixedCell>& FixedCells() {
  static const std::vector<FixedCell> rows = [] {
    static const std::regex kRow(
        R"(\| (\d+) \| ([^|]*) \| ([^|]*) \| ([^|]*) \| ([^|]*) (\|[^|]*){3}\|)");
    std::stringstream lines(testing::ReadFileText(testing::kDataDir / "README.md"));
    std::vector<FixedCell> out;
    std::string line;
    int number = 0;
    while (std::getline(lines, line) && !line.starts_with("| Map | X | Y | Terrain | Area |")) {
      ++number;
    }
    std::getline(lines, line);  // |---|---|...
    for (number += 2; std::getline(lines, line) && line.starts_with("|");) {
      FixedCell row{.line = ++number};
      std::smatch m;
      if (std::regex_match(line, m, kRow)) {
        row.map = std::stoi(m[1]);
        for (const int y : ParseCoordinates(m[3])) {
          for (const int x : ParseCoordinates(m[2])) row.cells.insert({x, y});
        }
        row.terrain = m[4];
        row.area = m[5] == "—" ? "" : std::string(m[5]);
      }
      out.push_back(row);
    }
    return out;
  }();
  return rows;
}

// The maps as the game sees them: compiled from the sources and loaded through the game's reader.
const PlacesData& Maps() {
  static const PlacesData maps = [] {
    PlacesData data;
    EXPECT_EQ(LoadPlaceMaps(testing::CompiledFile("Places.dat"), &data), "");
    return data;
  }();
  return maps;
}

char Letter(int map, int x, int y) { return Maps().MapRow(map, y)[static_cast<size_t>(x)]; }

bool Walkable(char letter) { return !TerrainOf(letter).blocks_move; }

std::string Where(const FixedCell& row, Cell cell) {
  return "README.md line " + std::to_string(row.line) + ": map " + std::to_string(row.map) + " (" +
         std::to_string(cell.first) + ", " + std::to_string(cell.second) + ")";
}

// The terrain words are lower case, so a letter is found only in a letter list like "C/M".
bool TerrainFits(const std::string& terrain, char letter) {
  if (terrain == "walkable") return Walkable(letter);
  if (terrain == "wall" || terrain == "secret") return !Walkable(letter);
  return terrain == "enclosure" || terrain.find(letter) != std::string::npos;
}

// The cells the table lists on `map` in the rows whose terrain `keep` accepts.
std::set<Cell> Listed(int map, bool (*keep)(const std::string& terrain)) {
  std::set<Cell> cells;
  for (const FixedCell& row : FixedCells()) {
    if (row.map == map && keep(row.terrain)) cells.insert(row.cells.begin(), row.cells.end());
  }
  return cells;
}

// Every cell of `map` reachable from `start`, stepping in eight directions onto walkable letters
// and through the secret doors of the table.
std::set<Cell> Reach(int map, Cell start) {
  const std::set<Cell> passages = Listed(map, [](const std::string& t) { return t == "secret"; });
  std::set<Cell> reached = {start};
  std::vector<Cell> open = {start};
  while (!open.empty()) {
    const auto [x, y] = open.back();
    open.pop_back();
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const Cell next(x + dx, y + dy);
        if (next.first < 0 || next.first >= 80 || next.second < 0 || next.second >= 40) continue;
        if (!Walkable(Letter(map, next.first, next.second)) && !passages.count(next)) continue;
        if (reached.insert(next).second) open.push_back(next);
      }
    }
  }
  return reached;
}

TEST(PlaceMapContent, EveryFixedCellHasTheTerrainItNeeds) {
  ASSERT_GE(FixedCells().size(), 80u);
  for (const FixedCell& row : FixedCells()) {
    const std::string at = "README.md line " + std::to_string(row.line);
    ASSERT_TRUE(row.map >= 1 && row.map <= Maps().map_count()) << at;
    ASSERT_FALSE(row.cells.empty()) << at << ": X and Y must be coordinates";
    for (const Cell& cell : row.cells) {
      ASSERT_TRUE(cell.first < 80 && cell.second < 40) << Where(row, cell);
      const char letter = Letter(row.map, cell.first, cell.second);
      EXPECT_TRUE(TerrainFits(row.terrain, letter))
          << Where(row, cell) << " is \"" << letter << "\", needs " << row.terrain;
    }
  }
}

TEST(PlaceMapContent, EachAreaIsConnectedAndWalledOffFromTheOthers) {
  // The cells reached from a listed cell of each area, by map and area.
  std::map<std::pair<int, std::string>, std::set<Cell>> reached;
  for (const FixedCell& row : FixedCells()) {
    if (row.area.empty() || row.terrain == "enclosure" || row.cells.empty() ||
        reached.count({row.map, row.area})) {
      continue;
    }
    reached[{row.map, row.area}] = Reach(row.map, *row.cells.begin());
  }
  for (const FixedCell& row : FixedCells()) {
    for (const auto& [key, cells] : reached) {
      if (key.first != row.map || row.area.empty()) continue;
      const bool own = key.second == row.area;
      if (row.terrain != "enclosure") {
        for (const Cell& cell : row.cells) {
          EXPECT_EQ(cells.count(cell), own ? 1u : 0u)
              << Where(row, cell) << (own ? " is cut off from" : " is open to") << " area "
              << key.second;
        }
        continue;
      }
      for (const Cell& cell : own ? cells : std::set<Cell>{}) {
        EXPECT_TRUE(row.cells.count(cell))
            << "area " << row.area << " leaks out of its enclosure at " << Where(row, cell);
      }
    }
  }
}

// Edges are closed but where the table opens them; places use indoor letters, and the overworld
// its lands, with an entrance's letter only where the table puts an entrance.
TEST(PlaceMapContent, EdgesAreClosedAndEveryMapUsesItsLetters) {
  constexpr int kOverworld = 7;
  for (int map = 1; map <= Maps().map_count(); ++map) {
    const std::set<Cell> listed =
        Listed(map, [](const std::string& t) { return t != "enclosure"; });
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 80; ++x) {
        const char letter = Letter(map, x, y);
        const std::string at = "map " + std::to_string(map) + " (" + std::to_string(x) + ", " +
                               std::to_string(y) + ") \"" + letter + "\"";
        if ((x == 0 || x == 79 || y == 0 || y == 39) && !listed.count({x, y})) {
          EXPECT_FALSE(Walkable(letter)) << at << " opens the edge";
        }
        if (map != kOverworld) {
          EXPECT_TRUE(letter >= 'A' && letter <= 'N') << at;
        } else if (std::string_view("WXYZ").find(letter) != std::string_view::npos) {
          EXPECT_TRUE(listed.count({x, y})) << at << " looks like an entrance but is none";
        } else {
          EXPECT_TRUE(letter >= 'Q' && letter <= '[') << at;
        }
      }
    }
  }
}

}  // namespace
}  // namespace zaldrun
