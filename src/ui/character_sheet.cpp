#include "ui/character_sheet.hpp"

#include "items/hand_figures.hpp"
#include "model/game.hpp"
#include "records/item_record.hpp"
#include "records/text_table.hpp"

namespace zaldrun {
namespace {

namespace keys = platform::keys;
using platform::Color;

constexpr int kWindowWidth = 96;
constexpr int kWindowHeight = 30;
constexpr const char* kClose = "Закрыть";

constexpr std::array<const char*, kAttributeCount> kAttributeCaptions = {
    "Сила",    "Ум",        "Воля",         "Ловкость",  "Выносливость",
    "Харизма", "Внешность", "Магич. Связь", "Восприятие"};
constexpr std::array<const char*, 4> kAttributeHeadings = {"Изначальное значение", "Врем Модиф",
                                                           "Модиф", "Текущее значение"};
// What each resistance protects from, kinds 1..10.
constexpr std::array<const char*, kDamageKinds> kResistanceCaptions = {
    "Порезы", "Уколы",   "Удары",   "Магия",    "Огонь",
    "Холод",  "Электр.", "Кислота", "Святость", "Тьма"};
constexpr std::array<const char*, 3> kColumnCaptions = {"Правая рука", "Левая рука", "Метательное"};

// The current value below, equal to and above the natural one.
constexpr Color kBelowNatural = platform::FromPackedBgr(192);
constexpr Color kAtNatural = platform::FromPackedBgr(65535);
constexpr Color kAboveNatural = platform::FromPackedBgr(16711680);
// The mark beside a damage line: grey for the physical kinds, the element's own colour otherwise.
constexpr Color kPhysicalMark{170, 170, 170};

Color KindColour(int kind) {
  if (kind <= damage_kind::kPhysical3) return kPhysicalMark;
  return platform::FromPackedBgr(
      static_cast<uint32_t>(FetchNumber(text_ids::kElementColourBase + kind)));
}

int Sum(const std::array<int16_t, kAttributeCount>& a,
        const std::array<int16_t, kAttributeCount>& b, int attr) {
  return a[static_cast<size_t>(attr)] + b[static_cast<size_t>(attr)];
}

}  // namespace

std::string ToHitText(int to_hit) {
  return to_hit >= 1 ? "+" + std::to_string(to_hit) : std::to_string(to_hit);
}

std::array<AttackColumn, 3> AttackColumns(const Game& game) {
  const Hero& hero = game.world.hero;
  const AttackProfile& profile = hero.attack;
  std::array<AttackColumn, 3> columns;
  auto slot = [&](int s) -> const ItemRecord& { return hero.equipment[static_cast<size_t>(s)]; };
  auto known = [&](int s) { return slot(s).type == 0 || slot(s).identified != 0; };
  for (int hand = 0; hand < kHands; ++hand) {
    AttackColumn& column = columns[static_cast<size_t>(hand)];
    column.to_hit = ToHitText(hero.to_hit + profile.to_hit[static_cast<size_t>(hand)]);
    for (int c = 0; c < kDamageComponents; ++c) {
      const size_t i = AttackProfile::Component(hand, c);
      if (profile.damage_kind[i] == 0) continue;
      column.damage.push_back(
          {profile.damage_low[i], profile.damage_high[i], profile.damage_kind[i]});
    }
  }
  columns[hand::kRight].shown = true;
  columns[hand::kRight].identified = known(equipment_slot::kRightHand);
  columns[hand::kLeft].shown = profile.damage_kind[AttackProfile::Component(hand::kLeft, 0)] != 0;
  columns[hand::kLeft].identified = known(equipment_slot::kLeftHand);
  columns[hand::kMissile].shown = MissileReady(game);
  columns[hand::kMissile].identified =
      known(equipment_slot::kLauncher) && known(equipment_slot::kAmmunition);
  return columns;
}

void CharacterSheet::Draw(platform::Grid& grid) const {
  const ui::Rect rect = ui::CentredRect(grid, kWindowWidth, kWindowHeight);
  ui::DrawWindow(grid, rect, kTitle);
  const Color bg = ui::palette::kWindowBg;
  const Color label = ui::palette::kLabel;
  const Color value = ui::palette::kValue;
  const Hero& hero = game_.world.hero;
  const int left = rect.x + 2;
  int y = rect.y + 2;

  grid.PutText(left, y, "Имя:", label, bg);
  grid.PutText(left + 8, y, hero.name.substr(0, hero.name.find_last_not_of(' ') + 1), value, bg);
  grid.PutText(left + 40, y, FetchText(120 + hero.race) + " " + FetchText(100 + hero.hero_class),
               value, bg);

  // The attribute grid: natural, temporary, equipment and current values.
  y += 2;
  // Where each column starts, after the row captions.
  constexpr std::array<int, 4> kColumnX = {14, 36, 49, 58};
  for (size_t h = 0; h < kAttributeHeadings.size(); ++h) {
    grid.PutText(left + kColumnX[h], y, kAttributeHeadings[h], label, bg);
  }
  const Attributes& a = hero.attributes;
  for (int attr = 0; attr < kAttributeCount; ++attr) {
    const int row = y + 1 + attr;
    const size_t i = static_cast<size_t>(attr);
    grid.PutText(left, row, kAttributeCaptions[i], label, bg);
    const int natural = a.natural[i];
    const int current = a.current[i];
    const std::array<int, 4> figures = {natural, Sum(a.temporary_a, a.temporary_b, attr),
                                        a.equipment[i], current};
    for (size_t col = 0; col < figures.size(); ++col) {
      Color fg = value;
      if (col == 3)
        fg = current < natural ? kBelowNatural : current == natural ? kAtNatural : kAboveNatural;
      grid.PutText(left + kColumnX[col] + 4, row, std::to_string(figures[col]), fg, bg);
    }
  }

  // Weights, resistances, defence and speed.
  y += 2 + kAttributeCount;
  grid.PutText(left, y,
               "Вес: " + std::to_string(hero.carried_weight) + "s / " +
                   std::to_string(hero.max_weight) + "s",
               value, bg);
  grid.PutText(left + 36, y, "Защита: " + std::to_string(hero.defence + hero.defence_bonus), value,
               bg);
  grid.PutText(left + 56, y, "Скорость: " + std::to_string(hero.speed_base + hero.speed_bonus),
               value, bg);
  y += 2;
  grid.PutText(left, y, "Сопротивления:", label, bg);
  for (int kind = 1; kind <= kDamageKinds; ++kind) {
    const int col = (kind - 1) % 5;
    const int row = y + 1 + (kind - 1) / 5;
    const size_t k = static_cast<size_t>(kind);
    grid.PutText(left + col * 18, row, kResistanceCaptions[k - 1], label, bg);
    grid.PutText(left + col * 18 + 10, row,
                 std::to_string(hero.resistance_base[k] + hero.resistance_bonus[k]), value, bg);
  }

  // The three attack columns.
  y += 4;
  const std::array<AttackColumn, 3> columns = AttackColumns(game_);
  for (int c = 0; c < 3; ++c) {
    const AttackColumn& column = columns[static_cast<size_t>(c)];
    const int x = left + c * 30;
    grid.PutText(x, y, kColumnCaptions[static_cast<size_t>(c)], label, bg);
    if (!column.shown) {
      if (c == hand::kMissile) grid.PutText(x, y + 1, "НЕТ!", kBelowNatural, bg);
      continue;
    }
    grid.PutText(x, y + 1, "Точность: " + column.to_hit, value, bg);
    if (!column.identified) {
      grid.PutText(x, y + 2, "Урон: ???", value, bg);
      continue;
    }
    int row = y + 2;
    for (const AttackColumn::Damage& d : column.damage) {
      grid.PutText(x, row, "■", KindColour(d.kind), bg);
      grid.PutText(x + 2, row++, std::to_string(d.low) + "-" + std::to_string(d.high), value, bg);
    }
  }
  close_ = ui::DrawButton(grid, rect.x + rect.w - 3 - ui::ButtonWidth(kClose), rect.y + rect.h - 2,
                          kClose, false);
}

bool CharacterSheet::HandleKey(const platform::Key& key) const {
  if (key.kind == platform::KeyKind::kCloseRequest) return true;
  if (key.kind == platform::KeyKind::kMouseClick) return close_.Contains(key.x, key.y);
  return key.code == keys::kEscape;
}

void RunCharacterSheet(Game& game, Screen& screen) {
  CharacterSheet sheet(game);
  LayerScope scope(screen, sheet);
  while (!sheet.HandleKey(screen.NextWindowKey())) {
  }
}

}  // namespace zaldrun
