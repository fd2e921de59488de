#include "world/save_file.hpp"

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <utility>

#include "base/file_io.hpp"
#include "model/game.hpp"
#include "records/handler_names.hpp"
#include "world/record_fields.hpp"

namespace zaldrun {
namespace {

// A reader that also keeps the first fault found in the values it reads.
class SaveReader : public RecordReader {
 public:
  using RecordReader::RecordReader;

  void Fault(std::string what) {
    if (fault_.empty()) fault_ = std::move(what);
  }
  const std::string& fault() const { return fault_; }

 private:
  std::string fault_;
};

// A byte kept in a 16-bit slot of the hero block.
void Byte16(RecordWriter& w, uint8_t v) { w.I16(v); }
void Byte16(SaveReader& r, uint8_t& v) {
  const int16_t stored = r.I16();
  if (stored < 0 || stored > 255) r.Fault("значение " + std::to_string(stored) + " вне 0..255");
  v = static_cast<uint8_t>(stored);
}

// A tagged value: its type code, then the value at that type's width. A damage component's kind
// is kept as "empty" (code 0) when the component is absent and as a 16-bit integer (code 2)
// otherwise; a byte (17) or a 32-bit integer (3) reads as well.
namespace tag {
constexpr int16_t kEmpty = 0;
constexpr int16_t kInteger = 2;
constexpr int16_t kLong = 3;
constexpr int16_t kByte = 17;
}  // namespace tag

void DamageKind(RecordWriter& w, int16_t kind) {
  if (kind == 0) {
    w.I16(tag::kEmpty);
  } else {
    w.I16(tag::kInteger);
    w.I16(kind);
  }
}
void DamageKind(SaveReader& r, int16_t& kind) {
  const int16_t code = r.I16();
  int32_t value = 0;
  switch (code) {
    case tag::kEmpty:
      break;
    case tag::kInteger:
      value = r.I16();
      break;
    case tag::kLong:
      value = r.I32();
      break;
    case tag::kByte:
      value = r.U8();
      break;
    default:
      r.Fault("неизвестный код значения " + std::to_string(code));
      break;
  }
  if (value < 0 || value > kDamageKinds) r.Fault("вид урона " + std::to_string(value));
  kind = static_cast<int16_t>(value);
}

template <typename Io, typename Array>
void DamageKinds(Io& io, Array& kinds) {
  for (auto& kind : kinds) DamageKind(io, kind);
}

// The hero block, in the file's order. The file names some values by width only; here they hold
// (in order): the ten 16-bit values — the protection from slowing, the move cost, the action
// cost, the time carried over, the time of the last action, the paralysis time, hit points and
// their maximum, power points and their maximum; the eight bytes — the blows practised with the
// weapon, the damage absorption, the poison resistance, the experience bonus, the life drain, the
// ward, the paralysis and the confusion resistance; the two 16-bit values — the poison level and
// the critical-shot bonus; after the fortune its bonus from worn items; and at the end the unspent
// skill points, the skill points per level and the launcher figure. The speed base and the sight
// radius follow from the attributes and are worked out again on loading.
template <typename Io, typename Image>
void HeroBlock(Io& io, Image& image) {
  auto& hero = image.hero;
  auto& attack = hero.attack;
  Field(io, hero.race);
  Field(io, hero.hero_class);
  Field(io, image.place);
  Field(io, image.level);
  Field(io, hero.x);
  Field(io, hero.y);
  Field(io, hero.burden);
  Field(io, hero.quests);
  Field(io, hero.money);
  Field(io, hero.attributes.current);
  Field(io, hero.attributes.equipment);
  Field(io, hero.attributes.temporary_a);
  Field(io, hero.attributes.natural);
  Field(io, hero.attributes.temporary_b);
  Field(io, hero.attributes.extra);
  Field(io, hero.carried_weight);
  Field(io, hero.shop_debt);
  ArrayRange(io, hero.resistance_base, 1, kDamageKinds);
  ArrayRange(io, hero.resistance_bonus, 1, kDamageKinds);
  for (size_t slot = 1; slot <= kEquipmentSlots; ++slot) ItemRecordFields(io, hero.equipment[slot]);
  Field(io, hero.to_hit);
  Field(io, attack.to_hit);
  Field(io, hero.defence);
  Field(io, hero.defence_bonus);
  Field(io, hero.speed_bonus);
  Field(io, attack.damage_low);
  Field(io, attack.damage_high);
  DamageKinds(io, attack.damage_kind);
  Byte16(io, hero.anti_slowing);
  Field(io, hero.move_cost);
  Field(io, hero.action_cost);
  Field(io, hero.time_carry);
  Field(io, hero.last_action_time);
  Field(io, hero.paralysis_time);
  Field(io, hero.hp);
  Field(io, hero.max_hp);
  Field(io, hero.pp);
  Field(io, hero.max_pp);
  Field(io, attack.ignores_resistance);
  Field(io, hero.weapon_practice);
  Field(io, hero.absorption);
  Field(io, hero.poison_resistance);
  Field(io, hero.experience_bonus);
  Field(io, hero.life_drain);
  Field(io, hero.ward);
  Field(io, hero.paralysis_resistance);
  Field(io, hero.confusion_resistance);
  Field(io, hero.poison);
  Field(io, hero.missile_critical);
  Field(io, hero.fortune);
  Field(io, hero.fortune_bonus);
  Field(io, hero.regen_rate);
  Field(io, hero.satiation);
  Field(io, hero.hunger_rate);
  Field(io, attack.slay_multiplier);
  Field(io, attack.slay_bonus);
  Field(io, hero.level);
  Field(io, hero.experience_to_next);
  Field(io, hero.experience_factor);
  Field(io, hero.skill_points);
  Field(io, hero.skill_points_per_level);
  Field(io, attack.launcher);
}

// Each skill: its value, cap, learning rate and the two combat values.
template <typename Io, typename HeroT>
void SkillFields(Io& io, HeroT& hero) {
  for (size_t s = 1; s <= kSkillCount; ++s) {
    auto& skill = hero.skills[s];
    Field(io, skill.value);
    Field(io, skill.cap);
    Field(io, skill.learning_rate);
    Field(io, skill.combat_value1);
    Field(io, skill.combat_value2);
  }
}

// A condition label as the file keeps it: -1 shown, 0 hidden.
void Label(RecordWriter& w, bool shown) { w.I16(shown ? -1 : 0); }
void Label(SaveReader& r, bool& shown) {
  const int16_t stored = r.I16();
  if (stored != 0 && stored != -1) r.Fault("метка состояния " + std::to_string(stored));
  shown = stored != 0;
}

void WritePack(RecordWriter& w, const PileRecord& pack) {
  w.I16(pack.count);
  for (const auto& group : pack.groups) {
    w.U8(static_cast<uint8_t>(group.size()));
    for (const ItemRecord& item : group) ItemRecordFields(w, item);
  }
}

void ReadPack(SaveReader& r, PileRecord* pack) {
  pack->count = r.I16();
  int total = 0;
  for (auto& group : pack->groups) {
    const uint8_t count = r.U8();
    if (count > kGroupPlaces) r.Fault("в группе рюкзака " + std::to_string(count) + " предметов");
    if (r.failed() || !r.fault().empty()) return;
    group.resize(count);
    for (ItemRecord& item : group) ItemRecordFields(r, item);
    total += count;
  }
  if (total != pack->count) {
    r.Fault("в рюкзаке " + std::to_string(total) + " предметов, а записано " +
            std::to_string(pack->count));
  }
}

void WriteEvents(RecordWriter& w, const SaveImage& image) {
  const uint8_t count = std::min<uint8_t>(image.event_count, kMaxEvents);
  w.U8(count);
  for (size_t slot = 1; slot <= count; ++slot) {
    const EventSlot& event = image.events[slot];
    Field(w, event.name, 12);
    w.I16(event.parameter);
    w.I16(event.countdown);
  }
}

void ReadEvents(SaveReader& r, SaveImage* image) {
  image->event_count = r.U8();
  if (image->event_count > kMaxEvents) {
    r.Fault(std::to_string(image->event_count) + " событий");
    return;
  }
  for (size_t slot = 1; slot <= image->event_count; ++slot) {
    EventSlot& event = image->events[slot];
    Field(r, event.name, 12);
    event.parameter = r.I16();
    event.countdown = r.I16();
    if (!r.failed() && !ListsName(EventHandlerNames(), event.name)) {
      r.Fault("неизвестное событие \"" + event.name + "\"");
    }
  }
}

bool ItemFits(const ItemRecord& item) {
  return item.type >= 1 && item.type <= kItemTypeCount && item.blessing <= 5 &&
         item.material <= 20 && item.prefix <= 200 && item.suffix <= 200;
}

// The faults of values that the rest of the game uses as indexes or divides by.
std::string CheckImage(const SaveImage& image) {
  const Hero& hero = image.hero;
  if (hero.race < 1 || hero.race > kRaceCount) return "раса " + std::to_string(hero.race);
  if (hero.hero_class < 1 || hero.hero_class > kClassCount) {
    return "класс " + std::to_string(hero.hero_class);
  }
  if (image.place < 1 || image.place > kMostPlace || image.level < 1 || image.level > kMostLevel) {
    return "место " + std::to_string(image.place) + ", уровень " + std::to_string(image.level);
  }
  if (!Level::Inside(hero.x, hero.y)) {
    return "герой на клетке (" + std::to_string(hero.x) + ", " + std::to_string(hero.y) + ")";
  }
  if (hero.burden > 2) return "нагрузка " + std::to_string(hero.burden);
  if (hero.level < 1) return "уровень героя 0";
  for (size_t slot = 1; slot <= kEquipmentSlots; ++slot) {
    const ItemRecord& item = hero.equipment[slot];
    if (item.type != 0 && !ItemFits(item)) return "предмет в слоте " + std::to_string(slot);
  }
  bool finite = std::isfinite(hero.hunger_rate) && std::isfinite(hero.experience_factor);
  for (const float f : hero.attack.slay_multiplier) finite = finite && std::isfinite(f);
  for (size_t s = 1; s <= kSkillCount; ++s) {
    finite = finite && std::isfinite(hero.skills[s].value) && hero.skills[s].value >= 0;
  }
  if (!finite) return "нечисловое значение";
  for (size_t type = 1; type <= kItemTypeCount; ++type) {
    if (image.item_types[type].appearance > 50) return "облик предмета " + std::to_string(type);
  }
  for (size_t group = 0; group < kPileGroups; ++group) {
    for (const ItemRecord& item : image.pack.groups[group]) {
      if (!ItemFits(item) || BaseItemType(item.type).category != group) {
        return "предмет рюкзака типа " + std::to_string(item.type);
      }
    }
  }
  for (size_t type = 1; type <= kMonsterTypeCount; ++type) {
    if (image.kill_counts[type] < 0) return "число убитых " + std::to_string(type);
  }
  return std::string();
}

void ReadLevels(SaveReader& r, std::span<const uint8_t> bytes, bool copy_levels,
                SaveImage* image) {
  std::set<std::pair<int, int>> seen;
  while (r.fault().empty()) {
    const int16_t place = r.I16();
    if (r.failed()) return;
    if (place == kSaveEndMark) return;
    const int16_t level = r.I16();
    const int32_t length = r.I32();
    if (r.failed()) return;
    const std::string where = "уровень " + std::to_string(place) + "_" + std::to_string(level);
    if (place < 1 || place > kMostPlace || level < 1 || level > kMostLevel) {
      r.Fault(where);
      return;
    }
    if (!seen.insert({place, level}).second) {
      r.Fault(where + " записан дважды");
      return;
    }
    if (length < static_cast<int32_t>(kLevelFileFixedSize) ||
        length > static_cast<int32_t>(kLevelFileLimit) ||
        static_cast<size_t>(length) > r.remaining()) {
      r.Fault(where + ": длина " + std::to_string(length));
      return;
    }
    // A save checked before it is written keeps the lengths only: its levels are already at hand.
    const auto level_bytes =
        copy_levels ? bytes.subspan(r.position(), static_cast<size_t>(length)) : bytes.first(0);
    image->levels.push_back(SavedLevel{place, level, {level_bytes.begin(), level_bytes.end()}});
    r.Skip(static_cast<size_t>(length));
  }
}

}  // namespace

SaveImage SaveImageOf(const Game& game) {
  const World& world = game.world;
  SaveImage image;
  image.hero = world.hero;
  image.place = world.current_place;
  image.level = world.current_level;
  for (size_t i = 0; i < kSavedConditions.size(); ++i) {
    image.conditions[i] = game.view.labels.Has(kSavedConditions[i]);
  }
  for (size_t type = 1; type <= kItemTypeCount; ++type) {
    const ItemType& known = world.item_types[type];
    image.item_types[type] = {known.knowledge, known.appearance, known.colour};
  }
  image.pack = world.piles[0];
  image.events = world.events;
  image.event_count = world.event_count;
  image.kill_counts = world.kill_counts;
  return image;
}

std::vector<uint8_t> EncodeSave(const SaveImage& image) {
  std::vector<LevelSource> levels;
  levels.reserve(image.levels.size());
  for (const SavedLevel& level : image.levels) {
    levels.push_back(LevelSource{level.place, level.level, level.bytes, {}});
  }
  std::vector<uint8_t> bytes;
  EncodeSaveInto(image, levels, &bytes, nullptr);  // levels at hand always encode
  return bytes;
}

bool EncodeSaveInto(const SaveImage& image, std::span<const LevelSource> levels,
                    std::vector<uint8_t>* out, std::string* error) {
  RecordWriter w(std::move(*out));
  HeroBlock(w, image);
  for (const bool shown : image.conditions) Label(w, shown);
  w.U8(image.hero.weapon_choice);
  w.U8(image.hero.missile_choice);
  for (size_t type = 1; type <= kItemTypeCount; ++type) {
    const ItemTypeKnowledge& known = image.item_types[type];
    w.U8(known.knowledge);
    w.U8(known.appearance);
    w.I32(known.colour);
  }
  WritePack(w, image.pack);
  WriteEvents(w, image);
  ArrayRange(w, image.kill_counts, 1, kMonsterTypeCount);
  SkillFields(w, image.hero);
  bool ok = true;
  for (const LevelSource& level : levels) {
    w.I16(level.place);
    w.I16(level.level);
    const size_t length_at = w.size();
    w.I32(0);  // the length, known once the bytes are in
    const size_t start = w.size();
    if (level.file.empty()) {
      w.Raw(level.bytes);
    } else if (!AppendWholeFile(level.file, kLevelFileLimit, &w.Buffer(), error)) {
      ok = false;
      break;
    } else if (w.size() - start < kLevelFileFixedSize) {
      if (error) *error = "Файл уровня " + level.file.filename().string() + " слишком короток";
      ok = false;
      break;
    }
    const size_t length = w.size() - start;
    const auto stored = static_cast<uint32_t>(length);
    for (size_t i = 0; i < 4; ++i) {
      w.Buffer()[length_at + i] = static_cast<uint8_t>(stored >> (8 * i));
    }
  }
  w.I16(kSaveEndMark);
  *out = w.Take();
  return ok;
}

std::optional<SaveImage> DecodeSave(std::span<const uint8_t> bytes, std::string* fault,
                                    bool read_levels) {
  SaveReader r(bytes);
  SaveImage image;
  HeroBlock(r, image);
  for (bool& shown : image.conditions) Label(r, shown);
  image.hero.weapon_choice = r.U8();
  image.hero.missile_choice = r.U8();
  for (size_t type = 1; type <= kItemTypeCount; ++type) {
    ItemTypeKnowledge& known = image.item_types[type];
    known.knowledge = r.U8();
    known.appearance = r.U8();
    known.colour = r.I32();
  }
  if (r.fault().empty()) ReadPack(r, &image.pack);
  if (r.fault().empty()) ReadEvents(r, &image);
  ArrayRange(r, image.kill_counts, 1, kMonsterTypeCount);
  SkillFields(r, image.hero);
  if (r.fault().empty() && !r.failed()) ReadLevels(r, bytes, read_levels, &image);
  std::string what = r.fault();
  if (what.empty() && r.failed()) what = "файл обрывается";
  if (what.empty() && r.remaining() > 0) {
    what = "после конца записано ещё " + std::to_string(r.remaining()) + " байт";
  }
  if (what.empty()) what = CheckImage(image);
  if (what.empty() && read_levels) {
    // Every level must read back as a level file does.
    LevelFileChecker checker;
    for (const SavedLevel& level : image.levels) {
      const std::string level_fault = checker.Check(level.bytes);
      if (!level_fault.empty()) {
        what = "уровень " + std::to_string(level.place) + "_" + std::to_string(level.level) + ": " +
               level_fault;
        break;
      }
    }
  }
  if (what.empty()) {
    const bool current_kept = std::any_of(
        image.levels.begin(), image.levels.end(),
        [&](const SavedLevel& l) { return l.place == image.place && l.level == image.level; });
    if (!current_kept) what = "нет уровня, на котором стоит герой";
  }
  if (!what.empty()) {
    if (fault) *fault = what;
    return std::nullopt;
  }
  return image;
}

void OverlaySavedHero(const Hero& saved, Hero* hero) {
  SaveImage source;
  source.hero = saved;
  RecordWriter w;
  HeroBlock(w, source);
  SkillFields(w, saved);
  const std::vector<uint8_t> bytes = w.Take();
  SaveReader r(bytes);
  SaveImage target;
  target.hero = std::move(*hero);
  HeroBlock(r, target);
  SkillFields(r, target.hero);
  *hero = std::move(target.hero);
}

}  // namespace zaldrun
