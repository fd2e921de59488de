#include "world/character_record.hpp"

#include <array>
#include <cstdio>

#include "base/cp1251.hpp"
#include "base/file_io.hpp"
#include "base/utf8.hpp"
#include "engine/condition.hpp"
#include "field/sight.hpp"
#include "items/equipment.hpp"
#include "items/item_names.hpp"
#include "model/game.hpp"
#include "model/type_info.hpp"
#include "records/text_table.hpp"
#include "world/hero_names.hpp"

namespace zaldrun {
namespace {

constexpr int kPoisonGas = -5;

constexpr const char* kAttributesHeader = "=============== Атрибуты ==============";
constexpr const char* kEquipmentHeader = "=============== Экипировка ==============";
constexpr const char* kSkillsHeader = "=============== Навыки ==============";
constexpr const char* kKillsHeader = "=============== Убитые Монстры ==============";

// Attributes as the record lists them: 6 (appearance) is left out.
struct AttributeLine {
  int attribute;
  const char* caption;
};
constexpr std::array<AttributeLine, 8> kAttributeLines = {{{0, "Сила"},
                                                           {1, "Ум"},
                                                           {2, "Воля"},
                                                           {3, "Ловкость"},
                                                           {4, "Выносливость"},
                                                           {5, "Харизма"},
                                                           {7, "Магич. Связь"},
                                                           {8, "Восприятие"}}};
// The equipment in the record's order: the left ring follows the right.
constexpr std::array<int, kEquipmentSlots> kSlotOrder = {1,  2, 3,  4,  5,  6,  7, 8,
                                                         15, 9, 10, 11, 12, 13, 14};

// `text` in a field of `width` characters, ending at the one before the last.
std::string RightAligned(std::string_view text, size_t width) {
  const size_t length = Utf8Length(text);
  const size_t pad = length + 1 < width ? width - 1 - length : 0;
  return std::string(pad, ' ') + std::string(text) + " ";
}

// `text` filled with blanks on the right to `width` characters.
std::string Padded(std::string_view text, size_t width) {
  const size_t length = Utf8Length(text);
  return std::string(text) + std::string(length < width ? width - length : 0, ' ');
}

std::string Signed(int value) { return (value > 0 ? "+" : "") + std::to_string(value); }

std::string MonsterName(const Game& game, int type, int form) {
  if (type < 1 || type > kMonsterTypeCount) return std::string();
  return MonsterTypeName(game, type, form);
}

void MapLines(const Game& game, std::string& out) {
  const Hero& hero = game.world.hero;
  const Level& level = game.world.level;
  for (int y = 0; y < kMapHeight; ++y) {
    for (int x = 0; x < kMapWidth; ++x) {
      const MapCell& cell = level.Cell(x, y);
      uint8_t glyph = cell.remembered_glyph;
      if (x == hero.x && y == hero.y) {
        glyph = '@';
      } else if (cell.monster >= 1 && cell.monster <= level.monster_count &&
                 SeePlayer(game, x, y, hero.x, hero.y, hero.sight_radius)) {
        glyph = MonsterTypeGlyph(game, level.Monster(cell.monster).type).glyph;
      }
      AppendUtf8(out, glyph == 0 ? U' ' : Cp1251ToUnicode(glyph));
    }
    out += "\n";
  }
  out += "\n";
}

// An item made fully known, named, and followed by its figures: weapons and missiles
// "(to-hit, damage, attack time)", armour "(to-hit) [defence, protections from cuts, thrusts and
// blows]".
std::string ItemLine(Game& game, ItemRecord& item) {
  item.identified = 1;
  if (item.blessing >= 3) item.blessing = static_cast<uint8_t>(item.blessing - 3);
  std::string line = ItemName(game, item);
  if (item.type < 1 || item.type > kItemTypeCount) return line;
  const ItemType& type = game.world.item_types[static_cast<size_t>(item.type)];
  const ItemDescription& d = LoadFullDescription(game, item);
  if (type.category == item_category::kWeapon || type.category == item_category::kAmmunition) {
    const int low = d.damage_min[0];
    const int high = d.damage_max[0];
    line += " (" + Signed(item.bonus1) + ", " + std::to_string(low) +
            (low == high ? "" : "-" + std::to_string(high)) + ", " + std::to_string(type.speed) +
            ")";
  } else if (type.category == item_category::kArmour) {
    line += " (" + Signed(item.bonus1) + ") [" + Signed(WornModifier(game, item, d, 0)) + ", " +
            Signed(WornProtection(item, d, 0)) + ", " + Signed(WornProtection(item, d, 1)) + ", " +
            Signed(WornProtection(item, d, 2)) + "]";
  }
  return line;
}

void AttributeLines(const Game& game, std::string& out) {
  const Attributes& attributes = game.world.hero.attributes;
  out += std::string(kAttributesHeader) + "\n";
  for (const AttributeLine& line : kAttributeLines) {
    const int current = attributes.current[static_cast<size_t>(line.attribute)];
    const int natural = attributes.natural[static_cast<size_t>(line.attribute)];
    out += RightAligned(line.caption, 18) + "   " + std::to_string(current);
    if (current != natural) out += " (" + std::to_string(natural) + ")";
    out += "\n";
  }
  out += "\n";
}

void EquipmentLines(Game& game, std::string& out) {
  out += std::string(kEquipmentHeader) + "\n";
  for (const int slot : kSlotOrder) {
    ItemRecord& item = game.world.hero.equipment[static_cast<size_t>(slot)];
    out += RightAligned(SlotLabel(slot), 16);
    out += item.count == 0 || item.type == 0 ? " ------" : " " + ItemLine(game, item);
    out += "\n";
  }
  out += "\n";
}

void PackLines(Game& game, std::string& out) {
  out += std::string(kEquipmentHeader) + "\n";
  PileRecord& pack = game.world.piles[0];
  for (int category = 0; category < kPileGroups; ++category) {
    auto& group = pack.groups[static_cast<size_t>(category)];
    if (group.empty()) continue;
    out += "---- " + FetchText(text_ids::kCategoryBase + category) + " ----\n";
    for (ItemRecord& item : group) out += ItemLine(game, item) + "\n";
  }
  out += "\n";
}

void SkillLines(const Game& game, std::string& out) {
  out += std::string(kSkillsHeader) + "\n";
  for (int s = 1; s <= kSkillCount; ++s) {
    const Skill& skill = game.world.hero.SkillAt(s);
    if (!(skill.value > 0)) continue;
    char value[32];
    std::snprintf(value, sizeof value, "%.4f", static_cast<double>(skill.value));
    out += RightAligned(skill.name, 24) + "  " + value + "\n";
  }
  out += "\n";
}

void KillLines(const Game& game, std::string& out) {
  out += std::string(kKillsHeader) + "\n";
  for (int type = 1; type <= kMonsterTypeCount; ++type) {
    const int32_t kills = game.world.kill_counts[static_cast<size_t>(type)];
    if (kills <= 0) continue;
    out += Padded(MonsterName(game, type, 1), kMonsterNameWidth) + "     " + std::to_string(kills) +
           "\n";
  }
}

}  // namespace

std::string EndReasonPhrase(const Game& game, int reason, int monster_type) {
  switch (reason) {
    case end_reason::kQuit:
      return "просто вышел из игры";
    case end_reason::kKilled: {
      const std::string name = MonsterName(game, monster_type, 4);
      return "был убит " + (name.empty() ? std::string("злым глюком") : name);
    }
    case end_reason::kPoison: {
      if (monster_type == kPoisonGas) return "отравился ядовитыми газами";
      const std::string name = MonsterName(game, monster_type, 4);
      return "был отравлен " + (name.empty() ? std::string("злым глюком") : name);
    }
    case 4:
      return "был стёрт с лица земли гневом Великого Уха";
    case 5:
      return "был раздавлен кирпичём";
    case 6:
      return "умер от взорвавшейся двери";
    case 7:
      return "умер от высокого напряжения";
    case end_reason::kCrimsonAura:
      return "был испепелён огненной аурой";
    case end_reason::kStarved:
      return "умер от голода";
    case 10:
      return "умер от плохого питания";
    case 11:
      return "сгорел заживо";
    case 12:
      return "умер от удара граблями по лбу";
    case 13:
      return "был застрелен дротиком";
    case 14:
      return "был нанизан на копья";
    default:
      return "умер по неизвестной причине";
  }
}

std::string CharacterRecordText(Game& game) {
  const Hero& hero = game.world.hero;
  const Control& control = game.control;
  const int monster =
      control.end_reason == end_reason::kPoison ? control.poisoner_type : control.killer_type;
  std::string out;
  MapLines(game, out);
  out += std::string(TrimRight(hero.name)) + ", " + FetchText(text_ids::kRaceBase + hero.race) +
         " " + FetchText(text_ids::kClassBase + hero.hero_class) + ", " +
         EndReasonPhrase(game, control.end_reason, monster) + ".\n";
  const StatusLabels& labels = game.view.labels;
  out += "HP: " + labels.hp + "   PP: " + labels.pp + "   Exp: " + labels.exp + "\n\n";
  AttributeLines(game, out);
  EquipmentLines(game, out);
  PackLines(game, out);
  SkillLines(game, out);
  KillLines(game, out);
  return out;
}

bool WriteCharacterRecord(Game& game, std::string* error, std::string* file_name) {
  const std::string name(TrimRight(game.world.hero.name));
  const auto normal = NormalHeroName(name, nullptr);
  if (name.empty() || !normal || *normal != name) {
    if (error) *error = "У героя нет имени, под которым можно записать его историю.";
    return false;
  }
  const std::filesystem::path path = FreeRecordPath(game.session.folder, name);
  if (!WriteFileAtomically(path, CharacterRecordText(game), error)) return false;
  if (file_name) *file_name = path.filename().string();
  return true;
}

}  // namespace zaldrun
