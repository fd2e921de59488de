// The twelve maps of data/maps/ checked against the table of fixed cells in data/README.md: the
// table is the one record of the cells the build routines, quests and shopkeepers rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "compilers.hpp"
#include "state/places_data.hpp"
#include "state/terrain.hpp"
#include "support/temp_folder.hpp"
#include "world/place_maps.hpp"

namespace zaldrun {
namespace {

using Cell = std::pair<int, int>;  // (x, y)

struct FixedCell {
  int line = 0;  // in data/README.md, for messages
  int map = 0;
  std::vector<int> xs;
  std::vector<int> ys;
  std::string terrain;  // a letter list "C/M", or walkable, wall, secret, enclosure
  std::string area;     // "" for a dash

  std::vector<Cell> Cells() const {
    std::vector<Cell> cells;
    for (const int y : ys) {
      for (const int x : xs) cells.emplace_back(x, y);
    }
    return cells;
  }
};

std::string Trim(std::string text) {
  const auto blank = [](char c) { return c == ' ' || c == '`'; };
  while (!text.empty() && blank(text.back())) text.pop_back();
  size_t start = 0;
  while (start < text.size() && blank(text[start])) ++start;
  return text.substr(start);
}

std::vector<std::string> SplitRow(const std::string& line) {
  std::vector<std::string> columns;
  std::string column;
  for (size_t i = 1; i < line.size(); ++i) {
    if (line[i] == '|') {
      columns.push_back(Trim(column));
      column.clear();
    } else {
      column += line[i];
    }
  }
  return columns;
}

// "5", "26..28", "0, 79", "15..17, 20..22"; empty when the text is none of these.
std::vector<int> ParseCoordinates(const std::string& text) {
  std::vector<int> values;
  std::stringstream parts(text);
  std::string part;
  while (std::getline(parts, part, ',')) {
    part = Trim(part);
    const size_t dots = part.find("..");
    try {
      if (dots == std::string::npos) {
        values.push_back(std::stoi(part));
      } else {
        const int low = std::stoi(part.substr(0, dots));
        const int high = std::stoi(part.substr(dots + 2));
        if (high < low) return {};
        for (int v = low; v <= high; ++v) values.push_back(v);
      }
    } catch (const std::exception&) {
      return {};
    }
  }
  return values;
}

std::vector<FixedCell> ReadFixedCells() {
  const std::string text = testing::ReadFileText(ZALDRUN_SOURCE_DIR "/data/README.md");
  std::vector<FixedCell> rows;
  std::stringstream lines(text);
  std::string line;
  bool in_table = false;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    if (line.rfind("| Map | X | Y | Terrain | Area |", 0) == 0) {
      in_table = true;
      continue;
    }
    if (!in_table) continue;
    if (line.rfind("|---", 0) == 0) continue;
    if (line.empty() || line[0] != '|') break;
    const std::vector<std::string> columns = SplitRow(line);
    FixedCell row;
    row.line = number;
    if (columns.size() == 8) {
      row.map = std::atoi(columns[0].c_str());
      row.xs = ParseCoordinates(columns[1]);
      row.ys = ParseCoordinates(columns[2]);
      row.terrain = columns[3];
      row.area = columns[4] == "—" ? "" : columns[4];
    }
    rows.push_back(row);
  }
  return rows;
}

const std::vector<FixedCell>& FixedCells() {
  static const std::vector<FixedCell> rows = ReadFixedCells();
  return rows;
}

// The maps as the game sees them: compiled from the sources and loaded through the game's reader.
const PlacesData& Maps() {
  static const PlacesData maps = [] {
    PlacesData data;
    const datac::CompileResult compiled = datac::CompilePlaces(ZALDRUN_SOURCE_DIR "/data");
    EXPECT_TRUE(compiled.errors.empty()) << compiled.errors.front();
    EXPECT_EQ(LoadPlaceMaps(compiled.bytes, &data), "");
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

bool TerrainFits(const std::string& terrain, char letter) {
  if (terrain == "walkable") return Walkable(letter);
  if (terrain == "wall" || terrain == "secret") return !Walkable(letter);
  if (terrain == "enclosure") return true;
  std::stringstream letters(terrain);
  std::string one;
  while (std::getline(letters, one, '/')) {
    if (one.size() == 1 && one[0] == letter) return true;
  }
  return false;
}

// Every cell reachable from `start`, stepping in eight directions onto walkable letters and
// onto the cells in `passages` (secret doors).
std::set<Cell> Reach(const std::array<std::string, kPlaceMapRows>& rows, Cell start,
                     const std::set<Cell>& passages) {
  std::set<Cell> reached = {start};
  std::vector<Cell> open = {start};
  while (!open.empty()) {
    const auto [x, y] = open.back();
    open.pop_back();
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const Cell next(x + dx, y + dy);
        if (next.first < 0 || next.first >= 80 || next.second < 0 || next.second >= 40) continue;
        const char letter = rows[static_cast<size_t>(next.second)][static_cast<size_t>(next.first)];
        if (!Walkable(letter) && !passages.count(next)) continue;
        if (reached.insert(next).second) open.push_back(next);
      }
    }
  }
  return reached;
}

std::array<std::string, kPlaceMapRows> RowsOf(int map) {
  std::array<std::string, kPlaceMapRows> rows;
  for (int y = 0; y < kPlaceMapRows; ++y) rows[static_cast<size_t>(y)] = Maps().MapRow(map, y);
  return rows;
}

std::set<Cell> SecretDoors(int map) {
  std::set<Cell> cells;
  for (const FixedCell& row : FixedCells()) {
    if (row.map != map || row.terrain != "secret") continue;
    for (const Cell& cell : row.Cells()) cells.insert(cell);
  }
  return cells;
}

TEST(PlaceMapContent, TheFixedCellTableIsWellFormed) {
  ASSERT_GE(FixedCells().size(), 80u);
  const std::set<std::string> classes = {"walkable", "wall", "secret", "enclosure"};
  for (const FixedCell& row : FixedCells()) {
    const std::string at = "README.md line " + std::to_string(row.line);
    EXPECT_TRUE(row.map >= 1 && row.map <= kPlaceMapsNeeded) << at;
    ASSERT_FALSE(row.xs.empty() || row.ys.empty()) << at << ": X and Y must be coordinates";
    for (const int x : row.xs) EXPECT_TRUE(x >= 0 && x < 80) << at;
    for (const int y : row.ys) EXPECT_TRUE(y >= 0 && y < 40) << at;
    bool letters = !row.terrain.empty();
    for (size_t i = 0; i < row.terrain.size(); ++i) {
      letters = letters && (i % 2 == 0 ? IsTerrainLetter(row.terrain[i]) : row.terrain[i] == '/');
    }
    EXPECT_TRUE(letters || classes.count(row.terrain)) << at << ": terrain " << row.terrain;
    if (row.terrain == "enclosure") {
      EXPECT_FALSE(row.area.empty()) << at;
    }
  }
}

TEST(PlaceMapContent, EveryFixedCellHasTheTerrainItNeeds) {
  for (const FixedCell& row : FixedCells()) {
    for (const Cell& cell : row.Cells()) {
      const char letter = Letter(row.map, cell.first, cell.second);
      EXPECT_TRUE(TerrainFits(row.terrain, letter))
          << Where(row, cell) << " is \"" << letter << "\", needs " << row.terrain;
    }
  }
}

TEST(PlaceMapContent, EachAreaIsConnectedAndWalledOffFromTheOthers) {
  std::map<int, std::map<std::string, std::vector<const FixedCell*>>> areas;
  for (const FixedCell& row : FixedCells()) {
    if (!row.area.empty()) areas[row.map][row.area].push_back(&row);
  }
  for (const auto& [map, by_name] : areas) {
    const auto rows = RowsOf(map);
    const std::set<Cell> passages = SecretDoors(map);
    for (const auto& [name, members] : by_name) {
      const FixedCell* first = nullptr;
      for (const FixedCell* row : members) {
        if (row->terrain != "enclosure" && !first) first = row;
      }
      ASSERT_NE(first, nullptr) << "map " << map << " area " << name << " has no cells";
      const Cell start = first->Cells().front();
      const std::set<Cell> reached = Reach(rows, start, passages);
      for (const FixedCell* row : members) {
        if (row->terrain == "enclosure") {
          for (const Cell& cell : reached) {
            const bool inside = std::count(row->xs.begin(), row->xs.end(), cell.first) &&
                                std::count(row->ys.begin(), row->ys.end(), cell.second);
            EXPECT_TRUE(inside) << "area " << name << " leaks out of its enclosure at "
                                << Where(*row, cell);
          }
          continue;
        }
        for (const Cell& cell : row->Cells()) {
          EXPECT_TRUE(reached.count(cell)) << Where(*row, cell) << " cannot be reached from "
                                           << Where(*first, start) << " (area " << name << ")";
        }
      }
      for (const auto& [other, other_rows] : by_name) {
        if (other == name) continue;
        for (const FixedCell* row : other_rows) {
          if (row->terrain == "enclosure") continue;
          for (const Cell& cell : row->Cells()) {
            EXPECT_FALSE(reached.count(cell))
                << "area " << name << " leaks into area " << other << " at " << Where(*row, cell);
          }
        }
      }
    }
  }
}

TEST(PlaceMapContent, MapEdgesAreClosedExceptWhereTheTableOpensThem) {
  for (int map = 1; map <= Maps().map_count(); ++map) {
    std::set<Cell> listed;
    for (const FixedCell& row : FixedCells()) {
      if (row.map != map || row.terrain == "enclosure") continue;
      for (const Cell& cell : row.Cells()) listed.insert(cell);
    }
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 80; ++x) {
        if (x != 0 && x != 79 && y != 0 && y != 39) continue;
        if (listed.count({x, y})) continue;
        EXPECT_FALSE(Walkable(Letter(map, x, y)))
            << "map " << map << " edge cell (" << x << ", " << y << ") is open";
      }
    }
  }
}

TEST(PlaceMapContent, PlacesUseIndoorLettersAndTheOverworldItsLands) {
  constexpr int kOverworld = 7;
  std::set<Cell> entrances;
  for (const FixedCell& row : FixedCells()) {
    if (row.map == kOverworld) entrances.insert(row.Cells().front());
  }
  for (int map = 1; map <= Maps().map_count(); ++map) {
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 80; ++x) {
        const char letter = Letter(map, x, y);
        if (map != kOverworld) {
          EXPECT_TRUE(letter >= 'A' && letter <= 'N')
              << "map " << map << " (" << x << ", " << y << ") has \"" << letter << "\"";
          continue;
        }
        EXPECT_TRUE(letter >= 'Q' && letter <= '[')
            << "overworld (" << x << ", " << y << ") has \"" << letter << "\"";
        // Village, cave, crypt and star land marks a place: none may stand where none is.
        if (std::string_view("WXYZ").find(letter) != std::string_view::npos) {
          EXPECT_TRUE(entrances.count({x, y}))
              << "overworld (" << x << ", " << y << ") looks like an entrance but is none";
        }
      }
    }
  }
}

// The trap of the tomb: the way in is walled up, the golem rooms open onto the hall, and the
// secret door in the golem hall is the only way on, down into the tomb.
TEST(PlaceMapContent, TheTombTrapOpensTheGolemRoomsAndLeavesOneWayOn) {
  constexpr int kTombGate = 9;
  auto rows = RowsOf(kTombGate);
  const Cell hall(11, 20), gate(11, 6), way_down(39, 18), secret_door(31, 18);
  EXPECT_TRUE(Reach(rows, gate, {}).count(hall));
  EXPECT_FALSE(Reach(rows, hall, {}).count(Cell(4, 16)));

  rows[13][11] = 'A';
  for (const int y : {15, 16, 17, 20, 21, 22}) rows[static_cast<size_t>(y)][7] = 'C';
  for (const int y : {15, 16, 17, 20, 21, 22}) rows[static_cast<size_t>(y)][15] = 'C';
  for (const int x : {10, 11, 12}) rows[25][static_cast<size_t>(x)] = 'C';

  const std::set<Cell> trapped = Reach(rows, hall, {});
  for (const Cell& golems : {Cell(4, 16), Cell(4, 21), Cell(11, 28), Cell(25, 18)}) {
    EXPECT_TRUE(trapped.count(golems)) << golems.first << ", " << golems.second;
  }
  EXPECT_FALSE(trapped.count(gate));
  EXPECT_FALSE(trapped.count(way_down));
  const std::set<Cell> through_the_door = Reach(rows, hall, {secret_door});
  EXPECT_TRUE(through_the_door.count(way_down));
  EXPECT_FALSE(through_the_door.count(gate));
}

}  // namespace
}  // namespace zaldrun
