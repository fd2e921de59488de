#include "ui/help_window.hpp"

#include <array>
#include <string>

#include "base/cp1251.hpp"
#include "base/utf8.hpp"
#include "model/game.hpp"
#include "model/type_info.hpp"
#include "records/game_enums.hpp"
#include "records/item_type_table.hpp"
#include "records/terrain.hpp"
#include "records/text_table.hpp"
#include "ui/key_names.hpp"
#include "ui/widgets.hpp"

namespace zaldrun {
namespace {

using platform::Color;

constexpr Color kHeading = ui::palette::kTitle;
constexpr Color kKey{120, 220, 255};
constexpr Color kText = ui::palette::kWindowFg;
constexpr int kKeyColumn = 24;  // the width the keys are padded to

struct FixedKey {
  const char* keys;
  const char* meaning;
};

constexpr std::array kMovingKeys = {
    FixedKey{"Стрелки, Home End PgUp PgDn", "шаг (и удар по врагу на пути)"},
    FixedKey{"Shift + направление", "бежать, пока не случится что-то важное"},
    FixedKey{"5 на цифровой клавиатуре", "ждать один ход"},
    FixedKey{"F1", "эта помощь"},
    FixedKey{"Ctrl+E", "вся карта уровня"},
    FixedKey{"F10 или Esc", "меню"},
    FixedKey{"Ctrl+Q", "выйти из игры"},
};

constexpr std::array kPromptKeys = {
    FixedKey{"Пробел", "дальше, когда в сообщении стоит <ещё>"},
    FixedKey{"y / n", "да / нет в ответ на вопрос (Y/N)"},
    FixedKey{"Направление", "куда пнуть, открыть, заговорить, бежать"},
    FixedKey{"Стрелки у курсора", "двигают курсор и описывают клетку под ним"},
    FixedKey{"Enter или T", "выбрать клетку под курсором"},
    FixedKey{"Esc", "отказаться"},
    FixedKey{"Любая клавиша", "останавливает бег, отдых, исследование и путь"},
};

constexpr std::array kMouse = {
    FixedKey{"Щелчок по меню", "открыть пункт меню"},
    FixedKey{"Щелчок по карте", "идти в эту клетку кратчайшим известным путём"},
    FixedKey{"Указатель над картой", "что в клетке (только в окне)"},
    FixedKey{"Щелчок по ответу", "выбрать ответ в разговоре"},
};

std::string Padded(std::string text) {
  const size_t length = Utf8Length(text);
  if (length < kKeyColumn) text.append(kKeyColumn - length, ' ');
  return text + " ";
}

void AddHeading(std::vector<PagerLine>& lines, const char* heading) {
  if (!lines.empty()) lines.push_back({});
  lines.push_back({{heading, kHeading}});
}

void AddKey(std::vector<PagerLine>& lines, std::string keys, std::string_view meaning) {
  lines.push_back({{"  " + Padded(std::move(keys)), kKey}, {std::string(meaning), kText}});
}

template <size_t N>
void AddFixed(std::vector<PagerLine>& lines, const char* heading,
              const std::array<FixedKey, N>& keys) {
  AddHeading(lines, heading);
  for (const FixedKey& key : keys) AddKey(lines, key.keys, key.meaning);
}

// A symbol of the map in its colour, and what it means.
void AddSymbol(std::vector<PagerLine>& lines, uint8_t glyph, int32_t colour, std::string meaning) {
  std::string symbol;
  AppendUtf8(symbol, Cp1251ToUnicode(glyph));
  lines.push_back({{"  ", kText},
                   {symbol, platform::FromPackedBgr(static_cast<uint32_t>(colour))},
                   {"  " + meaning, kText}});
}

// A name from the text table without its closing full stop.
std::string Name(int text_id) {
  std::string name = FetchText(text_id);
  if (!name.empty() && name.back() == '.') name.pop_back();
  return name;
}

void AddLegend(const Game& game, std::vector<PagerLine>& lines) {
  AddHeading(lines, "Знаки на карте");
  AddSymbol(lines, '@', 0xFFFFFF, "герой");
  const Glyph creature = MonsterTypeGlyph(game, 1);
  AddSymbol(lines, creature.glyph, creature.colour,
            "буквы и другие знаки в цвете своего вида — существа (смотри их командой осмотра)");
  for (char letter = kFirstTerrainLetter; letter <= kLastTerrainLetter; ++letter) {
    const TerrainType& terrain = TerrainOf(letter);
    if (terrain.glyph == ' ' || terrain.glyph == 0) continue;  // letters with no land of their own
    AddSymbol(lines, terrain.glyph, terrain.lit_colour, Name(terrain.text_id));
  }
  for (int id = feature::kClosedDoor; id <= kLastFeature; ++id) {
    const FeatureType& entry = FeatureOf(id);
    // The traps differ only in colour; one line says it for all of them.
    if (id > feature::kFirstTrap && id <= feature::kLastTrap) continue;
    const std::string meaning =
        id == feature::kFirstTrap ? "ловушка (цвет говорит, какая)" : Name(entry.text_id);
    AddSymbol(lines, entry.glyph, entry.colour, meaning);
  }
  for (int category = 0; category <= item_category::kAmmunition; ++category) {
    for (int type = 1; type <= kItemTypeCount; ++type) {
      const ItemType& entry = BaseItemType(type);
      if (entry.category != category || entry.glyph == 0) continue;
      AddSymbol(lines, entry.glyph, entry.colour != 0 ? entry.colour : 0xFFFFFF,
                Name(text_ids::kCategoryBase + category));
      break;
    }
  }
}

}  // namespace

std::vector<PagerLine> HelpLines(const Game& game) {
  std::vector<PagerLine> lines;
  AddHeading(lines, "Команды (клавиши меняются в «Настройках»)");
  for (Command command : DialogOrder()) {
    AddKey(lines, KeyName(game.session.settings.Binding(command)), InfoOf(command).caption);
  }
  AddFixed(lines, "Движение и окно", kMovingKeys);
  AddFixed(lines, "Вопросы, направления и курсор", kPromptKeys);
  AddFixed(lines, "Мышь", kMouse);
  AddLegend(game, lines);
  return lines;
}

void RunHelpWindow(const Game& game, Screen& screen) {
  TextPager pager("Помощь", HelpLines(game), false);
  RunTextPager(screen, pager);
}

}  // namespace zaldrun
