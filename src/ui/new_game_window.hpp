// The new-game window "Новая Игра": the hero's name, race and class, the class's melee and ranged
// weapons, and the saved heroes; "Новый Персонаж" starts a new hero, "Загрузить Игру" loads one.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/key.hpp"
#include "ui/screen.hpp"
#include "ui/widgets.hpp"
#include "world/new_hero.hpp"

namespace zaldrun {

struct Game;

// Opens the window over the main window; returns true when a game was started or loaded, false
// when the window was closed without one.
bool RunNewGameWindow(Game& game, Screen& screen);

class NewGameWindow : public Layer {
 public:
  // The controls in the order Tab visits them.
  enum Stop { kName, kRace, kClass, kMelee, kRanged, kSaves, kCreate, kLoad, kStops };

  NewGameWindow(Game& game, Screen& screen);

  void Draw(platform::Grid& grid) const override;
  // The control that has the focus and its value: "Раса: Человек".
  std::string SpokenText() const override;
  // Returns true when the window has closed (a game began, or the player left).
  bool HandleKey(const platform::Key& key);

  bool started() const { return started_; }
  Stop focus() const { return focus_; }
  const std::string& name_text() const { return name_; }
  // Selected entries, from 0; -1 for none.
  int Selected(Stop list) const { return selected_[list]; }
  const std::vector<std::string>& saves() const { return saves_; }
  bool LoadEnabled() const { return !saves_.empty(); }

  static constexpr const char* kCaption = "Новая Игра";
  static constexpr const char* kCreateCaption = "Новый Персонаж";
  static constexpr const char* kLoadCaption = "Загрузить Игру";

 private:
  // The entries of a list control.
  std::vector<std::string> Entries(Stop list) const;
  bool Available(Stop stop) const;
  void MoveFocus(int step);
  void Select(Stop list, int entry);
  // The class changed: the weapon lists are filled for it and the stored choices selected again.
  void FillWeaponLists();
  void EditName(const platform::Key& key);
  void Activate(Stop stop);
  void Create();
  void Load();
  void Tell(const std::string& text);
  // The stop and list entry under a click.
  bool HitTest(int x, int y, Stop* stop, int* entry) const;

  Game& game_;
  Screen& screen_;
  std::string name_;
  HeroChoice stored_;  // the settings file's choices, made sound
  std::vector<std::string> saves_;
  std::array<int, kStops> selected_{};
  std::array<int, kStops> first_shown_{};  // the first entry shown of each list
  Stop focus_ = kName;
  bool started_ = false;

  // Where each control was drawn, for mouse clicks: the whole control, and its first entry's row.
  mutable std::array<ui::Rect, kStops> rects_{};
};

}  // namespace zaldrun
