#include "creatures/monster_types.hpp"

#include <array>

#include "creatures/monster_names_check.hpp"
#include "state/file_io.hpp"
#include "state/game.hpp"

namespace zaldrun {

namespace {

// The constants of types 1..85: glyph (Windows-1251 byte), colour, attack cost, critical
// threshold, gender, native depth, weight.
constexpr MonsterTypeEntry kTypeTable[kMonsterTypeCount] = {
    {114, 20640, 800, 12, 1, 1, 28},       // 1 r Крыса
    {114, 20640, 1000, 15, 1, 1, 40},      // 2 r Большая крыса
    {83, 13148320, 900, 10, 0, 1, 35},     // 3 S Пещерный паук
    {66, 20640, 1200, 20, 1, 1, 35},       // 4 B Летучая мышь
    {97, 10526880, 1000, 15, 0, 2, 25},    // 5 a Рабочий муравей
    {97, 3947770, 900, 30, 0, 3, 30},      // 6 a Муравей-солдат
    {83, 16737280, 1000, 25, 0, 2, 40},    // 7 S Синий паук
    {103, 16711680, 1000, 25, 0, 1, 44},   // 8 g Гоблин
    {103, 13107320, 1200, 25, 0, 1, 42},   // 9 g Гоблин-шаман
    {111, 65280, 1000, 25, 0, 4, 40},      // 10 o Орк
    {107, 65280, 1000, 10, 0, 2, 40},      // 11 k Кобольд
    {107, 16776960, 1000, 5, 0, 2, 25},    // 12 k Кобольд-лучник
    {218, 65480, 1000, 25, 0, 150, 60},    // 13 Ъ Нефритовый голем
    {97, 51455, 1000, 16, 0, 1, 40},       // 14 a Рыжий муравей
    {122, 16777215, 1000, 25, 0, 3, 40},   // 15 z Ходячий мертвец
    {115, 65480, 900, 18, 1, 2, 35},       // 16 s Змея
    {122, 11184810, 1000, 25, 2, 3, 32},   // 17 z Умертвие
    {43, 20640, 1000, 4, 1, 100, 40},      // 18 + Живая дверь
    {108, 36040, 1000, 16, 0, 2, 40},      // 19 l Варан
    {108, 220, 1000, 16, 0, 4, 36},        // 20 l Огненный ящер
    {108, 25855, 1000, 16, 0, 5, 40},      // 21 l Василиск
    {100, 51400, 1000, 18, 0, 1, 40},      // 22 d Шакал
    {100, 10526880, 1000, 18, 0, 3, 43},   // 23 d Волк
    {103, 13143180, 1000, 35, 0, 2, 40},   // 24 g Гоблин-воин
    {101, 16711680, 1200, 10, 0, 3, 25},   // 25 e Созерцатель
    {57, 10526880, 1100, 23, 0, 4, 30},    // 26 9 Гигантский слизень
    {116, 51400, 1000, 25, 0, 200, 0},     // 27 t Лягушонок
    {196, 25800, 1000, 25, 0, 200, 0},     // 28 Д Чупакабра
    {140, 255, 1000, 40, 0, 200, 0},       // 29 Њ Чазор
    {64, 65280, 1000, 25, 0, 200, 0},      // 30 @ Негиф
    {64, 16762880, 1000, 25, 0, 200, 0},   // 31 @ Дарон
    {64, 15560, 1000, 60, 0, 200, 0},      // 32 @ Каргуд
    {64, 8584960, 1000, 25, 0, 200, 0},    // 33 @ Браннус
    {108, 51200, 1000, 18, 1, 1, 40},      // 34 l Ящерица
    {73, 255, 1000, 5, 0, 3, 35},          // 35 I Огненный бес
    {70, 65280, 1000, 11, 1, 2, 34},       // 36 F Ядовитая поганка
    {142, 255, 500, 17, 0, 2, 21},         // 37 Ћ Гигантский комар
    {98, 65535, 1200, 23, 1, 3, 33},       // 38 b Гигантская оса
    {98, 255, 1100, 26, 0, 5, 30},         // 39 b Огненный жук
    {98, 51200, 1500, 8, 1, 2, 28},        // 40 b Ядовитая гусеница
    {103, 6579455, 1000, 35, 0, 200, 0},   // 41 g Вождь гоблинов
    {64, 13158600, 1000, 32, 0, 3, 40},    // 42 @ Разбойник
    {64, 13107455, 1000, 32, 0, 5, 40},    // 43 @ Демонолог
    {68, 255, 1000, 31, 0, 200, 0},        // 44 D Древний красный дракон
    {68, 25855, 1000, 22, 0, 5, 17},       // 45 D Огненный дракон
    {68, 13158600, 1000, 22, 0, 5, 17},    // 46 D Белый дракон
    {68, 13158400, 1000, 22, 0, 5, 17},    // 47 D Грозовой дракон
    {68, 65430, 1000, 22, 0, 5, 17},       // 48 D Зелёный дракон
    {74, 51455, 1000, 16, 0, 3, 30},       // 49 J Аспид
    {111, 51400, 1000, 25, 0, 5, 40},      // 50 o Орк-воин
    {111, 255, 1000, 30, 0, 6, 40},        // 51 o Орк-берсерк
    {89, 11184810, 1000, 25, 0, 5, 36},    // 52 Y Снежный человек
    {89, 39880, 1000, 25, 0, 4, 34},       // 53 Y Павиан
    {99, 255, 1000, 24, 0, 4, 41},         // 54 c Скорпион
    {73, 16742400, 1000, 32, 0, 4, 36},    // 55 I Ледяной бес
    {83, 10879231, 1000, 25, 0, 5, 40},    // 56 S Фазовый паук
    {142, 65280, 700, 17, 0, 3, 23},       // 57 Ћ Слепень
    {122, 20680, 1000, 25, 0, 4, 28},      // 58 z Гуль
    {122, 16777215, 1000, 36, 0, 5, 34},   // 59 z Вурдалак
    {99, 51300, 1000, 16, 1, 2, 31},       // 60 c Сколопендра
    {64, 65535, 1000, 60, 0, 200, 0},      // 61 @ Тазар
    {104, 65280, 1000, 32, 1, 4, 33},      // 62 h Ведьма
    {116, 16762880, 1000, 25, 0, 200, 0},  // 63 t Корнавин
    {64, 10532020, 1000, 25, 0, 200, 0},   // 64 @ Крестьянин
    {64, 6604900, 1000, 25, 0, 200, 0},    // 65 @ Мирдан
    {64, 160, 1000, 25, 0, 200, 0},        // 66 @ Кычкыдум
    {64, 16776960, 1000, 25, 0, 200, 0},   // 67 @ Священник
    {83, 65535, 1000, 18, 0, 3, 35},       // 68 S Тарантул
    {105, 51300, 1000, 16, 0, 1, 22},      // 69 i Жук-листоед
    {77, 65535, 1000, 21, 1, 5, 25},       // 70 M Мумия
    {105, 3947770, 900, 32, 0, 4, 36},     // 71 i Муравьиный лев
    {110, 65380, 1000, 29, 1, 4, 34},      // 72 n Нага
    {99, 36040, 1000, 19, 1, 2, 30},       // 73 c Многоножка
    {64, 65535, 1000, 32, 0, 4, 30},       // 74 @ Колдун
    {103, 25800, 1000, 25, 0, 3, 40},      // 75 g Хобгоблин
    {89, 16711880, 1000, 26, 0, 6, 30},    // 76 Y Демонический павиан
    {100, 65535, 1000, 18, 0, 2, 35},      // 77 d Бешеный пёс
    {100, 38655, 1000, 18, 0, 3, 25},      // 78 d Адский пёс
    {73, 16776960, 1000, 5, 0, 3, 28},     // 79 I Грозовой бес
    {203, 46260, 800, 12, 0, 2, 25},       // 80 Л Лемур
    {64, 13107455, 1000, 32, 0, 200, 0},   // 81 @ Аракус
    {42, 65535, 1000, 15, 1, 3, 6},        // 82 * Шаровая молния
    {112, 16776960, 1100, 15, 1, 3, 10},   // 83 p Гигантская пиявка
    {242, 16762880, 900, 45, 1, 2, 15},    // 84 т Тень
    {80, 25855, 1000, 25, 1, 5, 20},       // 85 P Огненная великанша
};

const MonsterTypeEntry kNoType{};

// Far more than the file can be; a bigger file is refused unread.
constexpr size_t kMaxFileBytes = 1u << 20;

std::string Damaged(const std::string& detail) {
  return "Файл " + std::string(kMonstersFileName) + " повреждён: " + detail + ".";
}

}  // namespace

const MonsterTypeEntry& MonsterTypeConstants(int type) {
  if (type < 1 || type > kMonsterTypeCount) return kNoType;
  return kTypeTable[type - 1];
}

std::string LoadMonsterRecords(MonsterData& data, std::span<const uint8_t> bytes) {
  constexpr size_t kExpected = kMonsterRecordSize * kMonsterTypeCount;
  if (bytes.size() != kExpected) {
    return Damaged("его длина " + std::to_string(bytes.size()) + " байт, а должна быть " +
                   std::to_string(kExpected) + " (" + std::to_string(kMonsterTypeCount) +
                   " записей по " + std::to_string(kMonsterRecordSize) + " байт)");
  }
  std::array<MonsterTypeRecord, kMonsterTypeCount + 1> records{};
  for (int type = 1; type <= kMonsterTypeCount; ++type) {
    const auto start = static_cast<size_t>(type - 1) * kMonsterRecordSize;
    auto record = DecodeMonsterRecord(bytes.subspan(start, kMonsterRecordSize));
    if (!record) return Damaged("запись " + std::to_string(type) + " не читается");
    std::vector<MonsterRecordFault> faults = ValidateMonsterRecord(*record);
    for (MonsterRecordFault& fault : CheckMonsterHandlerNames(*record)) {
      faults.push_back(std::move(fault));
    }
    if (!faults.empty()) {
      return Damaged("запись " + std::to_string(type) + " (" + record->name + "), поле " +
                     faults.front().field + ": " + faults.front().message);
    }
    records[static_cast<size_t>(type)] = std::move(*record);
  }
  data.records = std::move(records);
  data.loaded = true;
  return {};
}

bool InitMonsterTable(Game& game, std::string* error) {
  MonsterData& data = game.monster_data;
  for (int type = 1; type <= kMonsterTypeCount; ++type) {
    data.types[static_cast<size_t>(type)] = MonsterTypeConstants(type);
  }
  data.current = MonsterTypeRecord{};
  data.current_type = 0;
  if (data.loaded) return true;
  std::string read_error;
  const auto bytes =
      ReadWholeFile(game.DataFolder() / std::string(kMonstersFileName), kMaxFileBytes, &read_error);
  std::string fault;
  if (!bytes) {
    fault = "Не удалось загрузить " + std::string(kMonstersFileName) + ": " + read_error;
  } else {
    fault = LoadMonsterRecords(data, *bytes);
  }
  if (fault.empty()) return true;
  if (error) *error = fault;
  return false;
}

bool LoadMonsterType(Game& game, int type) {
  MonsterData& data = game.monster_data;
  if (!data.loaded || type < 1 || type > kMonsterTypeCount) return false;
  data.current = data.records[static_cast<size_t>(type)];
  data.current_type = static_cast<int16_t>(type);
  return true;
}

}  // namespace zaldrun
