#include "world/save_file.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>

#include "model/game.hpp"
#include "support/record_bytes.hpp"
#include "world/level_file.hpp"

namespace zaldrun {
namespace {

using testing::I32At;

// The hero block is 1363 bytes while every damage component is absent (each kind "empty").
constexpr size_t kBlockBytes = 1363;
constexpr size_t kLabelsAt = kBlockBytes;
constexpr size_t kChoicesAt = kLabelsAt + 8;
constexpr size_t kTypesAt = kChoicesAt + 2;
constexpr size_t kPackAt = kTypesAt + 207 * 6;

ItemRecord Item(int16_t type, int32_t count) {
  ItemRecord item;
  item.type = type;
  item.count = count;
  item.blessing = 4;
  item.material = 3;
  return item;
}

// The first and the last item type of a category.
int16_t TypeOfCategory(int category, bool last = false) {
  int16_t found = 0;
  for (int16_t type = 1; type <= kItemTypeCount; ++type) {
    if (BaseItemType(type).category != category) continue;
    found = type;
    if (!last) break;
  }
  return found;
}

// A level file of an empty level, told apart by its monster depth.
SavedLevel Level(int16_t place, int16_t level, uint8_t depth) {
  auto game = std::make_unique<Game>();
  game->world.level.monster_depth = depth;
  for (auto& row : game->world.level.terrain) row.fill('C');
  return SavedLevel{place, level, EncodeLevel(*game)};
}

// A game state with something in every part of the file.
SaveImage RichImage() {
  SaveImage image;
  Hero& hero = image.hero;
  hero.race = 4;
  hero.hero_class = 2;
  hero.weapon_choice = 3;
  hero.missile_choice = 2;
  hero.x = 17;
  hero.y = 33;
  hero.burden = 1;
  hero.quests[0] = 5;
  hero.quests[99] = -2;
  hero.money = 534;
  hero.attributes.natural[8] = 44;
  hero.resistance_base[10] = 7;
  hero.resistance_bonus[1] = -3;
  hero.equipment[6] = Item(TypeOfCategory(0), 1);
  hero.equipment[15] = Item(TypeOfCategory(3, true), 1);
  hero.attack.damage_kind[0] = 1;
  hero.attack.damage_kind[11] = 10;
  hero.attack.slay_multiplier[92] = 1.5f;
  hero.attack.slay_bonus[0] = 12;
  hero.hp = 15;
  hero.max_hp = 34;
  hero.anti_slowing = 200;
  hero.confusion_resistance = 9;
  hero.satiation = 4980;
  hero.hunger_rate = 2.0f;
  hero.level = 3;
  hero.experience_to_next = 77;
  hero.experience_factor = 1.2f;
  hero.skill_points = 4;
  hero.skill_points_per_level = 14;
  hero.attack.launcher = 150;
  hero.SkillAt(19).value = 2.25f;
  hero.SkillAt(19).learning_rate = 900;
  hero.SkillAt(1).combat_value2 = -4;
  image.place = 3;
  image.level = 2;
  image.conditions = {true, false, true, false};
  image.item_types[1] = {1, 0, 255};
  image.item_types[207] = {0, 50, 0x123456};
  image.pack.groups[4] = {Item(TypeOfCategory(4), 2), Item(TypeOfCategory(4, true), 1)};
  image.pack.groups[8] = {Item(TypeOfCategory(8), 3)};
  image.pack.count = 3;
  image.event_count = 2;
  image.events[1] = {"Consumption", 1, 50};
  image.events[2] = {"RemConfuse", 0, -7};
  image.kill_counts[1] = 3;
  image.kill_counts[85] = 100000;
  image.levels = {Level(1, 100, 1), Level(3, 2, 2), Level(7, 12, 3)};
  return image;
}

std::vector<uint8_t> Encoded(const std::function<void(SaveImage&)>& change) {
  SaveImage image = RichImage();
  change(image);
  return EncodeSave(image);
}

TEST(SaveFile, RoundTripIsByteIdentical) {
  const std::vector<uint8_t> bytes = EncodeSave(RichImage());
  std::string fault;
  const auto image = DecodeSave(bytes, &fault);
  ASSERT_TRUE(image.has_value()) << fault;
  EXPECT_EQ(EncodeSave(*image), bytes);
  EXPECT_EQ(image->hero.anti_slowing, 200);
  EXPECT_EQ(image->hero.attack.damage_kind[11], 10);
  EXPECT_EQ(image->pack.GroupCount(4), 2);
  EXPECT_EQ(image->events[2].name, "RemConfuse");
  EXPECT_EQ(image->events[2].countdown, -7);
  ASSERT_EQ(image->levels.size(), 3u);
  EXPECT_EQ(image->levels[2].place, 7);
  EXPECT_EQ(image->levels[2].level, 12);
  EXPECT_EQ(image->levels[2].bytes, Level(7, 12, 3).bytes);
}

TEST(SaveFile, LayoutOfTheBlocks) {
  const std::vector<uint8_t> bytes = Encoded([](SaveImage& image) {
    image.hero.attack.damage_kind = {};
    image.levels = {Level(3, 2, 9)};
  });
  EXPECT_EQ(bytes[0], 4) << "race";
  EXPECT_EQ(bytes[1], 2) << "class";
  EXPECT_EQ(I32At(bytes, 2) & 0xFFFF, 3) << "place";
  EXPECT_EQ(I32At(bytes, 4) & 0xFFFF, 2) << "level";
  EXPECT_EQ(I32At(bytes, 6) & 0xFFFF, 17) << "x";
  EXPECT_EQ(I32At(bytes, 8) & 0xFFFF, 33) << "y";
  EXPECT_EQ(bytes[10], 1) << "burden";
  EXPECT_EQ(I32At(bytes, 211), 534) << "money after 100 quest states";
  // Poisoned and blessed shown (-1), confused and weakened hidden.
  EXPECT_EQ(I32At(bytes, kLabelsAt), 0xFFFF);
  EXPECT_EQ(I32At(bytes, kLabelsAt + 4), 0xFFFF);
  EXPECT_EQ(bytes[kChoicesAt], 3);
  EXPECT_EQ(bytes[kChoicesAt + 1], 2);
  EXPECT_EQ(bytes[kTypesAt], 1) << "type 1 known";
  EXPECT_EQ(I32At(bytes, kTypesAt + 2), 255);
  EXPECT_EQ(bytes[kTypesAt + 206 * 6 + 1], 50) << "type 207's appearance";
  EXPECT_EQ(I32At(bytes, kPackAt) & 0xFFFF, 3) << "pack count";
  // After the pack (count, ten group counts, three items): the events.
  const size_t events_at = kPackAt + 2 + 10 + 3 * 19;
  EXPECT_EQ(bytes[events_at], 2);
  EXPECT_EQ(testing::TextAt(bytes, events_at + 1, 12), "Consumption ");
  const size_t kills_at = events_at + 1 + 2 * 16;
  EXPECT_EQ(I32At(bytes, kills_at), 3);
  const size_t skills_at = kills_at + 85 * 4;
  EXPECT_FLOAT_EQ(testing::F32At(bytes, skills_at + 18 * 11), 2.25f) << "skill 19's value";
  const size_t levels_at = skills_at + 19 * 11;
  EXPECT_EQ(I32At(bytes, levels_at), 3 | (2 << 16)) << "place 3, level 2";
  EXPECT_EQ(static_cast<size_t>(I32At(bytes, levels_at + 4)), kLevelFileFixedSize);
  ASSERT_EQ(bytes.size(), levels_at + 8 + kLevelFileFixedSize + 2);
  EXPECT_EQ(bytes[bytes.size() - 2], 0x28);
  EXPECT_EQ(bytes[bytes.size() - 1], 0x0C);
}

TEST(SaveFile, DamageKindsAreTaggedValues) {
  const std::vector<uint8_t> bytes = Encoded([](SaveImage& image) {
    image.hero.attack.damage_kind = {};
    image.hero.attack.damage_kind[0] = 5;
  });
  // Before the kinds: 718 bytes of the block; the first kind is an integer (code 2) 5, the next
  // eleven are empty (code 0).
  EXPECT_EQ(I32At(bytes, 718), 2 | (5 << 16));
  EXPECT_EQ(I32At(bytes, 722) & 0xFFFF, 0);
  EXPECT_EQ(bytes.size(),
            Encoded([](SaveImage& image) { image.hero.attack.damage_kind = {}; }).size() + 2);
}

TEST(SaveFile, DamagedFilesAreRefusedWithTheirFault) {
  const std::vector<uint8_t> sound = EncodeSave(RichImage());
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    const char* fault;
  };
  std::vector<uint8_t> trailing = sound;
  trailing.push_back(0);
  std::vector<uint8_t> unknown_tag =
      Encoded([](SaveImage& image) { image.hero.attack.damage_kind = {}; });
  unknown_tag[718] = 8;  // a text where a kind belongs
  std::vector<uint8_t> bad_label = sound;
  const size_t labels_at = kBlockBytes + 4;  // two kinds of the rich image are integers
  bad_label[labels_at] = 5;
  std::vector<uint8_t> too_many_events = sound;
  // The rich image: two integer kinds, three pack items.
  too_many_events[kPackAt + 4 + 2 + 10 + 3 * 19] = 101;
  const Case cases[] = {
      {"empty", {}, "обрывается"},
      {"cut inside the end mark", std::vector<uint8_t>(sound.begin(), sound.end() - 1),
       "обрывается"},
      {"bytes after the end mark", trailing, "после конца"},
      {"race 7", Encoded([](SaveImage& i) { i.hero.race = 7; }), "раса 7"},
      {"class 0", Encoded([](SaveImage& i) { i.hero.hero_class = 0; }), "класс 0"},
      {"hero off the map", Encoded([](SaveImage& i) { i.hero.y = 40; }), "клетке"},
      {"hero level 0", Encoded([](SaveImage& i) { i.hero.level = 0; }), "уровень героя"},
      {"not a number",
       Encoded([](SaveImage& i) { i.hero.hunger_rate = std::numeric_limits<float>::quiet_NaN(); }),
       "нечисловое"},
      {"unknown tag", unknown_tag, "код значения 8"},
      {"a label neither shown nor hidden", bad_label, "метка"},
      {"appearance 51", Encoded([](SaveImage& i) { i.item_types[5].appearance = 51; }), "облик"},
      {"pack count", Encoded([](SaveImage& i) { i.pack.count = 4; }), "в рюкзаке 3"},
      {"pack item in another category", Encoded([](SaveImage& i) {
         i.pack.groups[0] = {Item(TypeOfCategory(8), 1)};
         i.pack.count = 4;
       }),
       "рюкзака типа"},
      {"worn item of type 300", Encoded([](SaveImage& i) { i.hero.equipment[3] = Item(300, 1); }),
       "слоте 3"},
      {"101 events", too_many_events, "101 событий"},
      {"unknown event", Encoded([](SaveImage& i) { i.events[2].name = "Boom"; }), "Boom"},
      {"negative kills", Encoded([](SaveImage& i) { i.kill_counts[7] = -1; }), "убитых 7"},
      {"a short level", Encoded([](SaveImage& i) { i.levels[1].bytes.pop_back(); }), "длина"},
      {"a level that does not read back",
       Encoded([](SaveImage& i) { i.levels[1].bytes[kLevelFileFixedSize - 2] = 1; }),
       "уровень 3_2: "},
      {"level 0", Encoded([](SaveImage& i) { i.levels[1].level = 0; }), "уровень 3_0"},
      {"a level twice", Encoded([](SaveImage& i) { i.levels.push_back(Level(7, 12, 0)); }),
       "дважды"},
      {"no level of the hero", Encoded([](SaveImage& i) { i.levels.erase(i.levels.begin() + 1); }),
       "нет уровня"},
  };
  for (const Case& c : cases) {
    std::string fault;
    EXPECT_FALSE(DecodeSave(c.bytes, &fault).has_value()) << c.what;
    EXPECT_NE(fault.find(c.fault), std::string::npos) << c.what << ": " << fault;
  }
}

TEST(SaveFile, EveryTruncationIsRefused) {
  const std::vector<uint8_t> sound =
      Encoded([](SaveImage& image) { image.levels = {Level(3, 2, 1)}; });
  // Every cut up to the level's bytes, then every cut within its last bytes and the end mark.
  for (size_t length = 0; length < sound.size(); ++length) {
    if (length > 3000 && length + 40 < sound.size()) length = sound.size() - 40;
    std::string fault;
    EXPECT_FALSE(DecodeSave(std::span(sound).first(length), &fault).has_value()) << length;
  }
}

TEST(SaveFile, OverlayPutsBackExactlyTheKeptFields) {
  const SaveImage image = RichImage();
  Hero hero;
  hero.name = "Вася";
  hero.speed_base = 97;
  hero.max_weight = 1234;
  hero.SkillAt(3).name = "Кинжалы";
  OverlaySavedHero(image.hero, &hero);
  EXPECT_EQ(hero.name, "Вася");
  EXPECT_EQ(hero.speed_base, 97) << "follows from the attributes; not kept";
  EXPECT_EQ(hero.max_weight, 1234);
  EXPECT_EQ(hero.SkillAt(3).name, "Кинжалы");
  EXPECT_EQ(hero.hp, 15);
  EXPECT_EQ(hero.anti_slowing, 200);
  EXPECT_FLOAT_EQ(hero.SkillAt(19).value, 2.25f);
  EXPECT_EQ(hero.SkillAt(19).learning_rate, 900);
  EXPECT_EQ(hero.equipment[15].type, TypeOfCategory(3, true));
}

}  // namespace
}  // namespace zaldrun
