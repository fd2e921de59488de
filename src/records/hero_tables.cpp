#include "records/hero_tables.hpp"

namespace zaldrun {
namespace {

using attribute::kDexterity;
using attribute::kEndurance;
using attribute::kIntellect;
using attribute::kMagicLink;
using attribute::kNone;
using attribute::kPerception;
using attribute::kStrength;

// Caps: weapons and most crafts reach 30; literacy and alchemy a little less; herbology 29.
constexpr std::array<SkillInfo, kSkillCount + 1> kSkills = {{
    {"", kNone, 0, kNone, 0, 0},
    {"Короткие Клинки", kDexterity, 100, kStrength, 15, 30},
    {"Длинные Клинки", kDexterity, 85, kStrength, 40, 30},
    {"Кинжалы", kDexterity, 110, kNone, 0, 30},
    {"Топоры", kStrength, 100, kEndurance, 40, 30},
    {"Копья", kDexterity, 75, kEndurance, 55, 30},
    {"Булавы", kStrength, 115, kEndurance, 20, 30},
    {"Дубины и Молоты", kStrength, 115, kEndurance, 20, 30},
    {"Посохи", kEndurance, 70, kStrength, 30, 30},
    {"Луки", kPerception, 100, kDexterity, 35, 30},
    {"Арбалеты", kPerception, 107, kStrength, 20, 30},
    {"Пращи", kDexterity, 90, kPerception, 60, 30},
    {"Метание", kDexterity, 100, kStrength, 35, 30},
    {"Уклонение", kDexterity, 130, kNone, 0, 30},
    {"Атлетика", kEndurance, 100, kStrength, 40, 30},
    {"Поиск Секретов", kPerception, 110, kIntellect, 20, 30},
    {"Парное Оружие", kDexterity, 100, kEndurance, 30, 30},
    {"Гербология", kIntellect, 75, kStrength, 0, 29},
    {"Алхимия", kIntellect, 80, kMagicLink, 40, 25},
    {"Грамотность", kIntellect, 100, kNone, 0, 20},
}};

constexpr AttributeRoll Roll(int low, int high) { return AttributeRoll{low, high - low + 1, 1}; }
constexpr AttributeRoll Plus(int base, int spread = 0) { return AttributeRoll{base, spread, 1}; }
constexpr AttributeRoll Minus(int base, int spread = 0) { return AttributeRoll{base, spread, -1}; }
constexpr AttributeRoll kSame{0, 0, 0};

// Class 1, "Воин".
constexpr SkillRate kWarriorRates[] = {{1, 1250}, {2, 1250},  {4, 1250},  {5, 1250},  {6, 1250},
                                       {7, 1250}, {12, 1075}, {13, 1100}, {14, 1200}, {16, 1150},
                                       {17, 850}, {18, 750},  {19, 750}};
constexpr SkillAmount kWarriorRaises[] = {{1, 1.5}, {2, 1.5}, {4, 1.5}, {5, 1.5}, {6, 1.5},
                                          {7, 1.5}, {13, 1},  {14, 2},  {16, 1}};
constexpr int kWarriorWeapons[] = {2, 4, 5, 6, 7};

// Class 2, "Лучник".
constexpr SkillRate kArcherRates[] = {{9, 1300}, {10, 1300}, {11, 1300}, {1, 1100}, {2, 1075},
                                      {5, 900},  {13, 1125}, {18, 850},  {19, 900}};
constexpr SkillAmount kArcherRaises[] = {{9, 1.75}, {10, 1.75}, {11, 1.75},
                                         {1, 0.6},  {2, 0.6},   {13, 1.5}};
constexpr int kLightWeapons[] = {1, 4, 5, 7};
constexpr int kMissiles[] = {9, 10, 11};

// Class 3, "Странник".
constexpr SkillRate kWandererRates[] = {{1, 1100},  {2, 1060},  {3, 1150},  {4, 1060},  {5, 1150},
                                        {6, 920},   {7, 900},   {8, 1200},  {9, 1100},  {13, 1150},
                                        {15, 1250}, {16, 1200}, {17, 1400}, {18, 1150}, {19, 1100}};
constexpr SkillAmount kWandererRaises[] = {{3, 2},  {15, 1.5}, {13, 0.5}, {17, 4},
                                           {18, 1}, {16, 1.5}, {19, 2}};

// Class 4, "Варвар".
constexpr SkillRate kBarbarianRates[] = {
    {1, 850},   {2, 1350},  {3, 700},  {4, 1350},  {6, 1250},  {7, 1350}, {9, 900},   {10, 700},
    {11, 1100}, {12, 1300}, {13, 920}, {14, 1150}, {15, 1075}, {16, 800}, {17, 1200}, {19, 600}};
constexpr SkillAmount kBarbarianRaises[] = {{2, 1.5}, {4, 1.5}, {7, 1.5}, {12, 2},
                                            {13, 1},  {14, 3},  {17, 2}};
constexpr int kBarbarianWeapons[] = {2, 4, 7};

const std::array<ClassInfo, kClassCount + 1> kClasses = {{
    {},
    {{Roll(43, 48), Roll(30, 34), Roll(35, 39), Roll(33, 38), Roll(45, 49), Roll(25, 29),
      Roll(23, 32), Roll(16, 19), Roll(28, 32)},
     kWarriorRates,
     kWarriorRaises,
     kWarriorWeapons,
     0.75,
     {},
     0,
     0,
     1000},
    {{Roll(31, 36), Roll(31, 35), Roll(32, 35), Roll(43, 48), Roll(31, 36), Roll(30, 35),
      Roll(30, 39), Roll(19, 22), Roll(46, 51)},
     kArcherRates,
     kArcherRaises,
     kLightWeapons,
     1.1,
     kMissiles,
     0.66,
     0,
     1000},
    {{Roll(33, 38), Roll(35, 39), Roll(32, 35), Roll(43, 48), Roll(33, 38), Roll(39, 44),
      Roll(30, 40), Roll(30, 35), Roll(37, 41)},
     kWandererRates,
     kWandererRaises,
     kLightWeapons,
     2,
     kMissiles,
     2,
     4,
     1000},
    {{Roll(50, 54), Roll(22, 25), Roll(24, 27), Roll(37, 42), Roll(52, 56), Roll(16, 19),
      Roll(1, 1), Roll(7, 10), Roll(31, 35)},
     kBarbarianRates,
     kBarbarianRaises,
     kBarbarianWeapons,
     1.25,
     {},
     0,
     0,
     800},
}};

// Race 1, "Человек".
constexpr SkillAmount kHumanRaises[] = {{19, 1}, {15, 1}, {10, 0.125}};
constexpr SkillRate kHumanRates[] = {{15, 50}};
// Race 2, "Эльф".
constexpr SkillAmount kElfRaises[] = {{1, 0.5}, {2, 0.5}, {9, 1}, {13, 0.75}, {19, 2}};
constexpr SkillRate kElfRates[] = {{1, 150},  {2, 120}, {3, 80},    {4, -100}, {6, -200},
                                   {7, -200}, {9, 300}, {11, -100}, {13, 200}, {14, -200},
                                   {17, 150}, {18, 60}, {19, 150}};
// Race 3, "Орк".
constexpr SkillAmount kOrcRaises[] = {{4, 1.5}, {14, 1}, {12, 1}, {16, 0.5}};
constexpr SkillRate kOrcRates[] = {{1, -50},  {3, -100}, {4, 100},  {6, 50},    {7, 100},
                                   {14, 150}, {16, 75},  {17, -50}, {18, -120}, {19, -150}};
// Race 4, "Гном" (literacy only when not a barbarian: handled where the raises are applied).
constexpr SkillAmount kDwarfRaises[] = {{4, 1.5}, {10, 1}, {14, 0.5}, {15, 1}, {19, 1}};
constexpr SkillRate kDwarfRates[] = {{4, 250},  {5, -250},  {6, 150},   {8, -200},
                                     {9, -100}, {10, 200},  {13, -100}, {14, 100},
                                     {15, 120}, {16, -100}, {17, -150}};
// Race 5, "Тролль".
constexpr SkillAmount kTrollRaises[] = {{12, 1}, {7, 1}, {6, 1}, {14, 0.5}};
constexpr SkillRate kTrollRates[] = {{1, -100},  {3, -300},  {4, 150},  {5, 100},
                                     {6, 200},   {7, 250},   {12, 100}, {14, 100},
                                     {16, -100}, {18, -120}, {19, -220}};

const std::array<RaceInfo, kRaceCount + 1> kRaces = {{
    {},
    {{kSame, kSame, Plus(1, 3), kSame, kSame, kSame, kSame, kSame, kSame},
     kHumanRaises,
     kHumanRates,
     0.9f,
     0,
     0,
     0,
     0,
     1.0f},
    {{Minus(6, 4), Plus(7, 4), Plus(3), Plus(8, 4), Minus(6, 3), Plus(4), Plus(5, 6), Plus(5, 3),
      Plus(8, 4)},
     kElfRaises,
     kElfRates,
     1.2f,
     20,
     5,
     0,
     0,
     1.0f},
    {{Plus(9, 4), Minus(5, 3), Minus(7), Plus(2, 3), Plus(6, 4), Minus(5, 4), Minus(5, 6), kSame,
      kSame},
     kOrcRaises,
     kOrcRates,
     1.0f,
     -20,
     0,
     0,
     5,
     1.0f},
    {{Plus(5, 3), kSame, Plus(6, 3), Minus(5, 4), Plus(9, 4), Minus(3), kSame, Minus(4, 3),
      Minus(4, 3)},
     kDwarfRaises,
     kDwarfRates,
     1.0f,
     0,
     0,
     5,
     0,
     1.0f},
    {{Plus(19, 6), Minus(10, 4), Minus(9, 4), Minus(7, 4), Plus(18, 5), Minus(11, 5), kSame,
      Minus(4, 4), Minus(3, 3)},
     kTrollRaises,
     kTrollRates,
     1.6f,
     -140,
     0,
     0,
     0,
     2.0f},
}};

}  // namespace

const std::array<SkillInfo, kSkillCount + 1>& SkillTable() { return kSkills; }

const ClassInfo& ClassTable(int hero_class) {
  return kClasses[static_cast<size_t>(hero_class >= 1 && hero_class <= kClassCount ? hero_class
                                                                                   : 1)];
}

const RaceInfo& RaceTable(int race) {
  return kRaces[static_cast<size_t>(race >= 1 && race <= kRaceCount ? race : 1)];
}

}  // namespace zaldrun
