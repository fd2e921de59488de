#include "world/level_file.hpp"

#include <algorithm>
#include <memory>
#include <optional>

#include "base/byte_record.hpp"
#include "base/file_io.hpp"
#include "field/field.hpp"
#include "items/piles.hpp"
#include "model/game.hpp"
#include "records/item_type_table.hpp"
#include "records/terrain.hpp"
#include "world/record_fields.hpp"

namespace zaldrun {
namespace {

// Loose items the file keeps a cell for: 1..500 (record 501 is written but never handed out).
constexpr int kLooseCells = 500;

// Little-endian bytes straight into a buffer of the exact size, and out of one with a check of
// what is left: a level file is large and written and read on every level change.
class Out {
 public:
  explicit Out(size_t size) : bytes_(size), at_(bytes_.data()) {}
  void U8(uint8_t v) { *at_++ = v; }
  void I16(int16_t v) {
    const auto u = static_cast<uint16_t>(v);
    at_[0] = static_cast<uint8_t>(u);
    at_[1] = static_cast<uint8_t>(u >> 8);
    at_ += 2;
  }
  void I32(int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) at_[i] = static_cast<uint8_t>(u >> (8 * i));
    at_ += 4;
  }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
  uint8_t* at_;
};

class In {
 public:
  explicit In(std::span<const uint8_t> bytes) : at_(bytes.data()), end_(at_ + bytes.size()) {}
  uint8_t U8() { return Has(1) ? *at_++ : 0; }
  int16_t I16() {
    if (!Has(2)) return 0;
    const auto v = static_cast<uint16_t>(at_[0] | (at_[1] << 8));
    at_ += 2;
    return static_cast<int16_t>(v);
  }
  int32_t I32() {
    if (!Has(4)) return 0;
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(at_[i]) << (8 * i);
    at_ += 4;
    return static_cast<int32_t>(v);
  }
  bool failed() const { return failed_; }
  size_t remaining() const { return failed_ ? 0 : static_cast<size_t>(end_ - at_); }

 private:
  bool Has(size_t count) {
    if (failed_ || static_cast<size_t>(end_ - at_) < count) {
      failed_ = true;
      return false;
    }
    return true;
  }
  const uint8_t* at_;
  const uint8_t* end_;
  bool failed_ = false;
};

// Reads without a check: for the start of a level file, whose size is fixed and known to be there.
// Three thousand cells of twelve fields are most of a level, read at every level change and for
// every level of a loaded save.
class FixedIn {
 public:
  explicit FixedIn(std::span<const uint8_t> bytes) : start_(bytes.data()), at_(start_) {}
  uint8_t U8() { return *at_++; }
  int16_t I16() {
    const auto v = static_cast<uint16_t>(at_[0] | (at_[1] << 8));
    at_ += 2;
    return static_cast<int16_t>(v);
  }
  int32_t I32() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(at_[i]) << (8 * i);
    at_ += 4;
    return static_cast<int32_t>(v);
  }
  size_t consumed() const { return static_cast<size_t>(at_ - start_); }

 private:
  const uint8_t* start_;
  const uint8_t* at_;
};

void Field(Out& o, uint8_t v) { o.U8(v); }
void Field(Out& o, int16_t v) { o.I16(v); }
void Field(Out& o, int32_t v) { o.I32(v); }
void Field(In& i, uint8_t& v) { v = i.U8(); }
void Field(In& i, int16_t& v) { v = i.I16(); }
void Field(In& i, int32_t& v) { v = i.I32(); }
void Field(FixedIn& i, uint8_t& v) { v = i.U8(); }
void Field(FixedIn& i, int16_t& v) { v = i.I16(); }
void Field(FixedIn& i, int32_t& v) { v = i.I32(); }
template <typename T, size_t N>
void Field(Out& o, const std::array<T, N>& values) {
  for (const T& v : values) Field(o, v);
}
template <typename T, size_t N>
void Field(In& i, std::array<T, N>& values) {
  for (T& v : values) Field(i, v);
}
template <typename T, size_t N>
void Field(FixedIn& i, std::array<T, N>& values) {
  for (T& v : values) Field(i, v);
}

template <typename Io, typename Cell>
void CellFields(Io& io, Cell& cell) {
  Field(io, cell.seen);
  Field(io, cell.remembered_glyph);
  Field(io, cell.remembered_colour);
  Field(io, cell.item);
  Field(io, cell.feature);
  Field(io, cell.params);
  Field(io, cell.room);
  Field(io, cell.monster);
}

template <typename Io, typename Monster>
void MonsterFields(Io& io, Monster& monster) {
  Field(io, monster.max_hp);
  Field(io, monster.hp);
  Field(io, monster.attack);
  Field(io, monster.defence);
  Field(io, monster.speed);
  Field(io, monster.x);
  Field(io, monster.y);
  Field(io, monster.state);
  Field(io, monster.energy);
  Field(io, monster.type);
  Field(io, monster.creation_flag);
  Field(io, monster.peaceful);
  Field(io, monster.action_delay);
  Field(io, monster.status);
}

template <typename Io, typename RoomT>
void RoomFields(Io& io, RoomT& room) {
  Field(io, room.used);
  Field(io, room.x1);
  Field(io, room.y1);
  Field(io, room.x2);
  Field(io, room.y2);
  Field(io, room.kind);
  Field(io, room.door_x);
  Field(io, room.door_y);
  Field(io, room.connected);
  Field(io, room.door_count);
}

// The consistency a level must have before the game may walk on it: every number that indexes a
// table lies in that table, and the two sides of every link (cell and monster, cell and pile, cell
// and loose item) agree. Returns what is wrong, or "".
std::string CheckLevel(const Level& level, const std::vector<PileRecord>& piles) {
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      auto where = [x, y] {
        return " в клетке (" + std::to_string(x) + ", " + std::to_string(y) + ")";
      };
      if (!IsTerrainLetter(level.Terrain(x, y))) return "неизвестная местность" + where();
      const MapCell& cell = level.Cell(x, y);
      if (cell.feature < kFirstFeature || cell.feature > kLastFeature) {
        return "неизвестная особенность " + std::to_string(cell.feature) + where();
      }
      if (cell.room > kMaxRooms) return "номер комнаты " + std::to_string(cell.room) + where();
      if (cell.monster != 0) {
        if (cell.monster < 1 || cell.monster > level.monster_count) {
          return "номер чудовища " + std::to_string(cell.monster) + where();
        }
        const MonsterRecord& monster = level.Monster(cell.monster);
        if (monster.x != x || monster.y != y) return "чудовище не на своём месте" + where();
      }
      const int item = cell.item;
      if (item == 0) continue;
      if (item >= 1 && item <= kLevelPiles) {
        const PileRecord& pile = piles[static_cast<size_t>(item)];
        if (pile.count == 0 || pile.x != x || pile.y != y)
          return "куча не на своём месте" + where();
      } else if (item > kLooseItemBase && item <= kLooseItemBase + kLooseCells) {
        const int n = item - kLooseItemBase;
        if (level.loose_items[static_cast<size_t>(n)].count <= 0 ||
            level.loose_x[static_cast<size_t>(n)] != x ||
            level.loose_y[static_cast<size_t>(n)] != y) {
          return "предмет не на своём месте" + where();
        }
      } else {
        return "неверная ссылка на предмет " + std::to_string(item) + where();
      }
    }
  }
  for (int slot = 1; slot <= level.monster_count; ++slot) {
    const MonsterRecord& monster = level.Monster(slot);
    if (monster.type < 1 || monster.type > kMonsterTypeCount ||
        !Level::Inside(monster.x, monster.y) || level.Cell(monster.x, monster.y).monster != slot) {
      return "повреждено чудовище " + std::to_string(slot);
    }
  }
  auto item_ok = [](const ItemRecord& item) {
    return item.type >= 1 && item.type <= kItemTypeCount && item.count > 0;
  };
  for (int n = 1; n <= kLooseItems; ++n) {
    const ItemRecord& item = level.loose_items[static_cast<size_t>(n)];
    if (item.count == 0) continue;
    if (n > kLooseCells || !item_ok(item) ||
        !Level::Inside(level.loose_x[static_cast<size_t>(n)],
                       level.loose_y[static_cast<size_t>(n)]) ||
        level.Cell(level.loose_x[static_cast<size_t>(n)], level.loose_y[static_cast<size_t>(n)])
                .item != kLooseItemBase + n) {
      return "повреждён предмет " + std::to_string(n);
    }
  }
  for (int p = 1; p <= kLevelPiles; ++p) {
    const PileRecord& pile = piles[static_cast<size_t>(p)];
    int total = 0;
    for (int g = 0; g < kPileGroups; ++g) {
      for (const ItemRecord& item : pile.groups[static_cast<size_t>(g)]) {
        if (!item_ok(item) || BaseItemType(item.type).category != g) {
          return "повреждена куча " + std::to_string(p);
        }
      }
      total += pile.GroupCount(g);
    }
    if (total != pile.count) return "повреждена куча " + std::to_string(p);
    if (pile.count == 0) continue;
    const int row = pile.y >= kMapHeight ? pile.y - kContainerRowOffset : pile.y;
    if (!Level::Inside(pile.x, row)) return "повреждена куча " + std::to_string(p);
    if (pile.y < kMapHeight && level.Cell(pile.x, pile.y).item != p) {
      return "куча " + std::to_string(p) + " не на своём месте";
    }
  }
  for (const Room& room : level.rooms) {
    if (room.x1 >= kMapWidth || room.x2 >= kMapWidth || room.y1 >= kMapHeight ||
        room.y2 >= kMapHeight || room.door_count > kRoomDoors) {
      return "повреждена таблица комнат";
    }
  }
  if (level.room_count > kMaxRooms) return "повреждена таблица комнат";
  return "";
}

}  // namespace

std::string LevelFileName(int place, int level) {
  return "Lev" + std::to_string(place) + "_" + std::to_string(level) + ".lev";
}

std::filesystem::path LevelFilePath(const Game& game, int place, int level) {
  return game.session.SaveFolder() / LevelFileName(place, level);
}

std::vector<uint8_t> EncodeLevel(const Game& game) {
  const Level& level = game.world.level;
  size_t stacks = 0;
  for (int p = 1; p <= kLevelPiles; ++p) {
    for (const auto& group : game.world.piles[static_cast<size_t>(p)].groups)
      stacks += group.size();
  }
  Out w(kLevelFileFixedSize + kStackBytes * stacks +
        kMonsterBytes * static_cast<size_t>(std::max<int16_t>(level.monster_count, 0)));
  w.U8(level.monster_depth);
  w.U8(level.spawn_rate);
  w.I32(level.level_flags);
  w.I32(level.item_min_price);
  w.I32(level.item_max_price);
  w.U8(level.item_min_level);
  w.U8(level.item_max_level);
  for (const MapCell& cell : level.cells) CellFields(w, cell);
  for (const auto& row : level.terrain) {
    for (char letter : row) w.U8(static_cast<uint8_t>(letter));
  }
  for (const Room& room : level.rooms) RoomFields(w, room);
  w.U8(level.room_count);
  for (int p = 1; p <= kLevelPiles; ++p) {
    const PileRecord& pile = game.world.piles[static_cast<size_t>(p)];
    w.U8(pile.first);
    w.I16(pile.count);
    w.U8(pile.x);
    w.U8(pile.y);
    for (const auto& group : pile.groups) {
      w.U8(static_cast<uint8_t>(group.size()));
      for (const ItemRecord& item : group) ItemRecordFields(w, item);
    }
  }
  for (int n = 1; n <= kLooseItems; ++n) ItemRecordFields(w, level.loose_items[static_cast<size_t>(n)]);
  for (int n = 1; n <= kLooseCells; ++n) w.U8(level.loose_x[static_cast<size_t>(n)]);
  for (int n = 1; n <= kLooseCells; ++n) w.U8(level.loose_y[static_cast<size_t>(n)]);
  w.I16(level.monster_count);
  for (int slot = 1; slot <= level.monster_count; ++slot) MonsterFields(w, level.Monster(slot));
  return w.Take();
}

namespace {

// Reads level file bytes into `level` and piles 1..260, every field the file holds overwritten,
// and checks them. Returns what is wrong, or "".
std::string ParseLevel(std::span<const uint8_t> bytes, Level* level,
                       std::vector<PileRecord>* piles) {
  // Everything before the piles has one size, well within the fixed part of every level file.
  if (bytes.size() < kLevelFileFixedSize) return "файл обрезан";
  FixedIn fixed(bytes);
  level->monster_depth = fixed.U8();
  level->spawn_rate = fixed.U8();
  level->level_flags = fixed.I32();
  level->item_min_price = fixed.I32();
  level->item_max_price = fixed.I32();
  level->item_min_level = fixed.U8();
  level->item_max_level = fixed.U8();
  for (MapCell& cell : level->cells) CellFields(fixed, cell);
  for (auto& row : level->terrain) {
    for (char& letter : row) letter = static_cast<char>(fixed.U8());
  }
  for (Room& room : level->rooms) RoomFields(fixed, room);
  level->room_count = fixed.U8();
  In r(bytes.subspan(fixed.consumed()));
  for (int p = 1; p <= kLevelPiles && !r.failed(); ++p) {
    PileRecord& pile = (*piles)[static_cast<size_t>(p)];
    pile.first = r.U8();
    pile.count = r.I16();
    pile.x = r.U8();
    pile.y = r.U8();
    for (auto& group : pile.groups) {
      const int n = r.U8();
      if (n > kGroupPlaces || r.remaining() < static_cast<size_t>(n) * kStackBytes) {
        return "в куче " + std::to_string(p) + " слишком много предметов или файл обрезан";
      }
      group.resize(static_cast<size_t>(n));
      for (ItemRecord& item : group) ItemRecordFields(r, item);
    }
  }
  for (int n = 1; n <= kLooseItems; ++n) ItemRecordFields(r, level->loose_items[static_cast<size_t>(n)]);
  for (int n = 1; n <= kLooseCells; ++n) level->loose_x[static_cast<size_t>(n)] = r.U8();
  for (int n = 1; n <= kLooseCells; ++n) level->loose_y[static_cast<size_t>(n)] = r.U8();
  level->monster_count = r.I16();
  if (level->monster_count < 0 || level->monster_count > kMaxMonsters) {
    return "число чудовищ " + std::to_string(level->monster_count) + " вне 0..300";
  }
  for (int slot = 1; slot <= level->monster_count; ++slot) MonsterFields(r, level->Monster(slot));
  if (r.failed()) return "файл обрезан";
  if (r.remaining() != 0) return "после последнего чудовища лишние байты";
  return CheckLevel(*level, *piles);
}

}  // namespace

std::string DecodeLevel(Game& game, std::span<const uint8_t> bytes) {
  auto level = std::make_unique<Level>();
  std::vector<PileRecord> piles(kPileCount);
  const std::string fault = ParseLevel(bytes, level.get(), &piles);
  if (!fault.empty()) return fault;
  game.world.level = std::move(*level);
  for (int p = 1; p < kPileCount; ++p) {
    game.world.piles[static_cast<size_t>(p)] = std::move(piles[static_cast<size_t>(p)]);
  }
  return "";
}

LevelFileChecker::LevelFileChecker() : level_(std::make_unique<Level>()), piles_(kPileCount) {}
LevelFileChecker::~LevelFileChecker() = default;

std::string LevelFileChecker::Check(std::span<const uint8_t> bytes) {
  return ParseLevel(bytes, level_.get(), &piles_);
}

namespace {

std::pair<int16_t, int16_t> KeptKey(int place, int level) {
  return {static_cast<int16_t>(place), static_cast<int16_t>(level)};
}

}  // namespace

bool LevelIsKept(const Game& game, int place, int level) {
  std::error_code ec;
  return game.world.kept_levels.contains(KeptKey(place, level)) ||
         std::filesystem::exists(LevelFilePath(game, place, level), ec);
}

std::optional<std::vector<uint8_t>> KeptLevelBytes(const Game& game, int place, int level,
                                                   std::string* error) {
  const auto kept = game.world.kept_levels.find(KeptKey(place, level));
  if (kept != game.world.kept_levels.end()) return kept->second;
  return ReadWholeFile(LevelFilePath(game, place, level), kLevelFileLimit, error);
}

bool WriteLevel(Game& game, int place, int level, std::string* error) {
  std::error_code ec;
  std::filesystem::create_directories(game.session.SaveFolder(), ec);
  std::vector<uint8_t> bytes = EncodeLevel(game);
  // Level files live only while the game runs (a saved game keeps its own copy of them).
  if (!ReplaceFile(LevelFilePath(game, place, level), bytes, error)) return false;
  game.world.kept_levels[KeptKey(place, level)] = std::move(bytes);
  return true;
}

bool ReadLevel(Game& game, int place, int level, std::string* error) {
  std::string why;
  const auto bytes = KeptLevelBytes(game, place, level, &why);
  if (!bytes) {
    if (error) *error = why;
    return false;
  }
  why = DecodeLevel(game, *bytes);
  if (!why.empty()) {
    if (error) *error = "Файл уровня " + LevelFileName(place, level) + " повреждён: " + why;
    return false;
  }
  RelinkContainers(game);
  // The shopkeeper's slot is not kept in the file: the first creature that keeps a shop.
  Level& loaded = game.world.level;
  loaded.shopkeeper = 0;
  for (int slot = 1; slot <= loaded.monster_count && game.data.monsters.loaded; ++slot) {
    const int type = loaded.Monster(slot).type;
    if (TrimRight(game.data.monsters.records[static_cast<size_t>(type)].behaviour) ==
        "ShopKeeper") {
      loaded.shopkeeper = static_cast<int16_t>(slot);
      break;
    }
  }
  // The remembered map is on screen before the first look around.
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      const MapCell& cell = game.world.level.Cell(x, y);
      Char(game, x, y, cell.remembered_glyph, cell.remembered_colour);
    }
  }
  return true;
}

}  // namespace zaldrun
