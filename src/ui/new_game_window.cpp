#include "ui/new_game_window.hpp"

#include <algorithm>

#include "base/utf8.hpp"
#include "model/game.hpp"
#include "records/settings.hpp"
#include "records/text_table.hpp"
#include "world/game_data.hpp"
#include "world/hero_names.hpp"
#include "world/new_game.hpp"
#include "world/save_game.hpp"

namespace zaldrun {
namespace {

namespace keys = platform::keys;
using platform::Color;

constexpr int kWindowWidth = 78;
constexpr int kWindowHeight = 23;
constexpr int kChoiceRows = 5;  // the longest choice list: the warrior's weapons
constexpr int kSaveRows = 6;
constexpr int kNameBoxWidth = static_cast<int>(kHeroNameLength) + 2;

constexpr Color kBoxFg = platform::colors::kBlack;
constexpr Color kBoxBg = platform::colors::kWhite;
constexpr Color kChosenBg{60, 60, 90};  // the chosen entry of a list without the focus
constexpr Color kDisabledFg{110, 110, 110};

constexpr const char* kEnterName = "Введите имя!";
constexpr const char* kNoFileChosen = "Не выбран файл!";
constexpr const char* kSavesCaption = "Сохранённые герои";

struct ListPlace {
  NewGameWindow::Stop list;
  const char* caption;
  int column;  // from the window's left edge
  int width;
};
constexpr std::array<ListPlace, 4> kChoiceLists = {
    {{NewGameWindow::kRace, "Раса", 3, 14},
     {NewGameWindow::kClass, "Класс", 19, 14},
     {NewGameWindow::kMelee, "Ближний бой", 35, 18},
     {NewGameWindow::kRanged, "Дальний бой", 55, 18}}};

bool IsList(NewGameWindow::Stop stop) {
  return stop >= NewGameWindow::kRace && stop <= NewGameWindow::kSaves;
}

int Rows(NewGameWindow::Stop list) {
  return list == NewGameWindow::kSaves ? kSaveRows : kChoiceRows;
}

const char* ListCaption(NewGameWindow::Stop list) {
  for (const ListPlace& place : kChoiceLists) {
    if (place.list == list) return place.caption;
  }
  return kSavesCaption;
}

}  // namespace

NewGameWindow::NewGameWindow(Game& game, Screen& screen)
    : game_(game), screen_(screen), stored_(StoredChoice(game.session.settings)) {
  name_ = CleanHeroName(game_.session.settings.name);
  saves_ = SavedHeroes(game_.session.SaveFolder());
  selected_.fill(-1);
  selected_[kRace] = stored_.race - 1;
  selected_[kClass] = stored_.hero_class - 1;
  // The first saved hero is chosen, so that loading the only one takes no choosing.
  if (!saves_.empty()) selected_[kSaves] = 0;
  FillWeaponLists();
}

std::vector<std::string> NewGameWindow::Entries(Stop list) const {
  std::vector<std::string> entries;
  switch (list) {
    case kRace:
      for (int race = 1; race <= kRaceCount; ++race)
        entries.push_back(FetchText(text_ids::kRaceBase + race));
      break;
    case kClass:
      for (int hero_class = 1; hero_class <= kClassCount; ++hero_class)
        entries.push_back(FetchText(text_ids::kClassBase + hero_class));
      break;
    case kMelee:
      for (const std::string_view name : MeleeWeaponNames(selected_[kClass] + 1))
        entries.emplace_back(name);
      break;
    case kRanged:
      for (const std::string_view name : RangedWeaponNames(selected_[kClass] + 1))
        entries.emplace_back(name);
      break;
    case kSaves:
      entries = saves_;
      break;
    default:
      break;
  }
  return entries;
}

void NewGameWindow::FillWeaponLists() {
  const int hero_class = selected_[kClass] + 1;
  const int melee = static_cast<int>(MeleeWeaponNames(hero_class).size());
  const int ranged = static_cast<int>(RangedWeaponNames(hero_class).size());
  const int weapon = game_.session.settings.weapon;
  const int missile = game_.session.settings.missile;
  selected_[kMelee] = weapon >= 1 && weapon <= melee ? weapon - 1 : 0;
  // A class with ranged weapons always has one chosen.
  selected_[kRanged] = ranged == 0 ? -1 : (missile >= 1 && missile <= ranged ? missile - 1 : 0);
  first_shown_[kMelee] = first_shown_[kRanged] = 0;
}

bool NewGameWindow::Available(Stop stop) const {
  switch (stop) {
    case kRanged:
      return !RangedWeaponNames(selected_[kClass] + 1).empty();
    case kSaves:
    case kLoad:
      return LoadEnabled();
    default:
      return true;
  }
}

void NewGameWindow::MoveFocus(int step) {
  int stop = focus_;
  do {
    stop = (stop + step + kStops) % kStops;
  } while (!Available(static_cast<Stop>(stop)));
  focus_ = static_cast<Stop>(stop);
}

void NewGameWindow::Select(Stop list, int entry) {
  const int count = static_cast<int>(Entries(list).size());
  if (count == 0) return;
  entry = std::clamp(entry, 0, count - 1);
  const bool class_changed = list == kClass && entry != selected_[kClass];
  selected_[list] = entry;
  int& first = first_shown_[list];
  first = std::clamp(first, entry - Rows(list) + 1, entry);
  if (class_changed) FillWeaponLists();
}

void NewGameWindow::EditName(const platform::Key& key) {
  if (key.code == keys::kBackspace || key.code == keys::kDelete) {
    std::u32string text = DecodeUtf8(name_);
    if (!text.empty()) text.pop_back();
    name_ = EncodeUtf8(text);
    return;
  }
  if (key.ch == 0 || !HeroNameCharacter(key.ch)) return;
  if (Utf8Length(name_) >= kHeroNameLength) return;
  AppendUtf8(name_, key.ch);
}

void NewGameWindow::Tell(const std::string& text) { screen_.MessageBox(text, kCaption); }

void NewGameWindow::Create() {
  std::string error;
  const auto name = NormalHeroName(name_, &error);
  if (!name) {
    Tell(error);
    return;
  }
  if (name->empty()) {
    Tell(kEnterName);
    return;
  }
  if (FindSavedHero(game_.session.SaveFolder(), *name)) {
    Tell(std::string(kNameTaken));
    return;
  }
  HeroChoice choice;
  choice.race = static_cast<uint8_t>(selected_[kRace] + 1);
  choice.hero_class = static_cast<uint8_t>(selected_[kClass] + 1);
  choice.weapon = static_cast<uint8_t>(selected_[kMelee] + 1);
  choice.missile = static_cast<uint8_t>(selected_[kRanged] + 1);  // an empty list gives 0
  Settings& settings = game_.session.settings;
  settings.name = *name;
  settings.race = choice.race;
  settings.hero_class = choice.hero_class;
  settings.weapon = choice.weapon;
  settings.missile = choice.missile;
  error = WriteCharacter(game_.session.SettingsPath(), settings);
  if (!error.empty()) Tell(error);
  // A game starts only with sound data files.
  error = LoadGameData(game_);
  if (!error.empty()) {
    Tell(error);
    return;
  }
  NewGameStart start;
  start.hero = choice;
  if (!StartNewGame(game_, start)) {
    // The message line tells why the overworld could not be entered.
    Tell(game_.view.message_line);
    return;
  }
  started_ = true;
}

void NewGameWindow::Load() {
  const int entry = selected_[kSaves];
  if (entry < 0 || entry >= static_cast<int>(saves_.size())) {
    Tell(kNoFileChosen);
    return;
  }
  std::string error;
  if (!LoadGame(game_, saves_[static_cast<size_t>(entry)], &error)) {
    Tell(error);
    return;
  }
  started_ = true;
}

void NewGameWindow::Activate(Stop stop) {
  if (stop == kSaves || stop == kLoad) {
    if (LoadEnabled()) Load();
  } else {
    Create();
  }
}

bool NewGameWindow::HitTest(int x, int y, Stop* stop, int* entry) const {
  for (int s = 0; s < kStops; ++s) {
    const ui::Rect& rect = rects_[static_cast<size_t>(s)];
    if (!rect.Contains(x, y)) continue;
    *stop = static_cast<Stop>(s);
    *entry = IsList(*stop) ? first_shown_[static_cast<size_t>(s)] + (y - rect.y) : -1;
    return true;
  }
  return false;
}

bool NewGameWindow::HandleKey(const platform::Key& key) {
  switch (key.kind) {
    case platform::KeyKind::kCloseRequest:
    case platform::KeyKind::kHangup:
      return true;
    case platform::KeyKind::kMouseClick: {
      Stop stop = kName;
      int entry = -1;
      if (!HitTest(key.x, key.y, &stop, &entry) || !Available(stop)) return false;
      focus_ = stop;
      if (IsList(stop)) {
        if (entry < static_cast<int>(Entries(stop).size())) Select(stop, entry);
      } else if (stop == kCreate || stop == kLoad) {
        Activate(stop);
      }
      return started_;
    }
    case platform::KeyKind::kMouseMove:
      return false;
    case platform::KeyKind::kKey:
      break;
  }
  if (key.code == keys::kEscape) return true;
  if (key.code == keys::kTab) {
    MoveFocus(key.shift ? -1 : 1);
    return false;
  }
  if (key.code == keys::kEnter) {
    Activate(focus_);
    return started_;
  }
  if (focus_ == kName) {
    EditName(key);
    return false;
  }
  if (IsList(focus_)) {
    const int page = Rows(focus_);
    const int at = selected_[focus_];
    switch (key.code) {
      case keys::kUp:
        Select(focus_, at < 0 ? 0 : at - 1);
        break;
      case keys::kDown:
        Select(focus_, at + 1);
        break;
      case keys::kPageUp:
        Select(focus_, at - page);
        break;
      case keys::kPageDown:
        Select(focus_, at < 0 ? 0 : at + page);
        break;
      case keys::kHome:
        Select(focus_, 0);
        break;
      case keys::kEnd:
        Select(focus_, static_cast<int>(Entries(focus_).size()) - 1);
        break;
      default:
        break;
    }
    return false;
  }
  if (key.code == keys::kSpace) {
    Activate(focus_);
    return started_;
  }
  if (keys::IsDirection(key.code))
    MoveFocus(key.code == keys::kLeft || key.code == keys::kUp ? -1 : 1);
  return false;
}

void NewGameWindow::Draw(platform::Grid& grid) const {
  const ui::Rect rect = ui::CentredRect(grid, kWindowWidth, kWindowHeight);
  ui::DrawWindow(grid, rect, kCaption);
  const Color fg = ui::palette::kWindowFg;
  const Color bg = ui::palette::kWindowBg;
  auto marker = [&](int x, int y, Stop stop) {
    grid.PutText(x, y, focus_ == stop ? "►" : " ", ui::palette::kTitle, bg);
  };

  // The name box.
  const int name_y = rect.y + 2;
  marker(rect.x + 1, name_y, kName);
  const int caption_width = grid.PutText(rect.x + 3, name_y, "Имя:", ui::palette::kLabel, bg);
  const int box_x = rect.x + 3 + caption_width + 1;
  std::string shown = name_ + (focus_ == kName ? "_" : "");
  grid.Fill(box_x, name_y, kNameBoxWidth, 1, U' ', kBoxFg, kBoxBg);
  grid.PutText(box_x, name_y, shown, kBoxFg, kBoxBg, kNameBoxWidth);
  rects_[kName] = ui::Rect{rect.x + 1, name_y, box_x + kNameBoxWidth - rect.x - 1, 1};

  // A list: its caption above, its entries, the chosen one marked.
  auto draw_list = [&](Stop list, const char* caption, int x, int y, int width) {
    const bool available = Available(list);
    grid.PutText(x, y, caption, available ? ui::palette::kLabel : kDisabledFg, bg, width);
    const std::vector<std::string> entries = Entries(list);
    const int first = first_shown_[list];
    const int rows = Rows(list);
    for (int row = 0; row < rows; ++row) {
      const int entry = first + row;
      if (entry >= static_cast<int>(entries.size())) break;
      const bool chosen = entry == selected_[list];
      const bool focused = chosen && focus_ == list;
      const Color entry_fg = focused ? ui::palette::kFocusFg : fg;
      const Color entry_bg = focused ? ui::palette::kFocusBg : chosen ? kChosenBg : bg;
      grid.Fill(x, y + 1 + row, width, 1, U' ', entry_fg, entry_bg);
      grid.PutText(x + 1, y + 1 + row, entries[static_cast<size_t>(entry)], entry_fg, entry_bg,
                   width - 1);
    }
    if (focus_ == list) marker(x - 2, y + 1 + std::max(0, selected_[list] - first), list);
    if (first > 0) grid.PutText(x + width - 1, y + 1, "▲", ui::palette::kTitle, bg);
    if (first + rows < static_cast<int>(entries.size())) {
      grid.PutText(x + width - 1, y + rows, "▼", ui::palette::kTitle, bg);
    }
    rects_[list] = ui::Rect{x, y + 1, width, rows};
  };
  const int lists_y = rect.y + 4;
  for (const ListPlace& place : kChoiceLists) {
    draw_list(place.list, place.caption, rect.x + place.column, lists_y, place.width);
  }
  if (!Available(kRanged)) {
    grid.PutText(rect.x + kChoiceLists[3].column + 1, lists_y + 1, "—", kDisabledFg, bg);
  }
  const int saves_y = lists_y + kChoiceRows + 2;
  draw_list(kSaves, kSavesCaption, rect.x + 3, saves_y, kNameBoxWidth);
  if (saves_.empty()) {
    grid.PutText(rect.x + 4, saves_y + 1, "нет сохранённых героев", kDisabledFg, bg);
  }

  // The buttons; the load button is grey without saves.
  const int buttons_y = rect.y + rect.h - 2;
  const int create_width = ui::ButtonWidth(kCreateCaption);
  const int load_width = ui::ButtonWidth(kLoadCaption);
  const int create_x = ui::CentreColumn(rect.x, rect.w, create_width + 4 + load_width);
  rects_[kCreate] = ui::DrawButton(grid, create_x, buttons_y, kCreateCaption, focus_ == kCreate);
  const int load_x = create_x + create_width + 4;
  if (LoadEnabled()) {
    rects_[kLoad] = ui::DrawButton(grid, load_x, buttons_y, kLoadCaption, focus_ == kLoad);
  } else {
    const int width = grid.PutText(load_x, buttons_y, std::string("[ ") + kLoadCaption + " ]",
                                   kDisabledFg, ui::palette::kButtonBg);
    rects_[kLoad] = ui::Rect{load_x, buttons_y, width, 1};
  }
}

std::string NewGameWindow::SpokenText() const {
  if (focus_ == kName) return "Имя: " + name_;
  if (focus_ == kCreate) return kCreateCaption;
  if (focus_ == kLoad) return kLoadCaption;
  const std::vector<std::string> entries = Entries(focus_);
  const int entry = selected_[focus_];
  const bool chosen = entry >= 0 && entry < static_cast<int>(entries.size());
  return std::string(ListCaption(focus_)) + ": " +
         (chosen ? entries[static_cast<size_t>(entry)] : std::string("нет"));
}

bool RunNewGameWindow(Game& game, Screen& screen) {
  NewGameWindow window(game, screen);
  LayerScope scope(screen, window);
  while (!window.HandleKey(screen.NextWindowKey())) {
  }
  return window.started();
}

}  // namespace zaldrun
