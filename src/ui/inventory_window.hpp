// The inventory window: a pile (the pack, a heap or a chest) one category at a time, or the hero's
// fifteen equipment slots, with the description panel of the chosen item; where the player picks
// the stack for an item operation.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/level.hpp"
#include "platform/key.hpp"
#include "ui/screen.hpp"
#include "ui/widgets.hpp"

namespace zaldrun {

struct Game;

// Opens the window for as long as a command or an operation asks for it (the window state in
// game.control.inventory says what it shows); Enter hides it and calls the pending operation by
// name, which may ask for it again. Returns when it is closed.
void RunInventoryWindow(Game& game, Screen& screen);

// Calls the pending operation by its name in the item operations' registry; an operation not built
// yet is written once to the log and does nothing.
void CallPendingOperation(Game& game);

class InventoryWindow : public Layer {
 public:
  explicit InventoryWindow(Game& game);

  enum class Result { kStay, kClose, kRunOperation };

  void Draw(platform::Grid& grid) const override;
  // The chosen stack or equipment slot: "Зелья: зелье лечения".
  std::string SpokenText() const override;
  Result HandleKey(const platform::Key& key);

  // The list of the current category of `pile` from `first_place` on; its caption is the
  // category's name.
  void ViewPile(int pile, int first_place);
  // What the description panel shows: nothing, the weight only (an unknown item), or everything.
  enum class PanelMode { kEmpty, kWeightOnly, kFull };
  void HideUseless(PanelMode mode);
  // Empties the description panel.
  void ClearInfo();
  // Fills the description panel for an item (worn in `worn_slot`, or 0).
  void ShowDescription(const ItemRecord& item, int worn_slot);

  const std::vector<std::string>& info() const { return info_; }
  // The window's caption: the question while an operation waits for an item its verb does not
  // name, else the category's name or "Экипировка".
  std::string Caption() const;
  // What is asked for the pending operation ("Что опознать?"), empty when nothing is.
  std::string Question() const;

  static constexpr int kPageRows = 20;
  static constexpr int kPanelRows = 12;
  static constexpr const char* kEquipmentCaption = "Экипировка";

 private:
  Result PackKey(const platform::Key& key);
  Result EquipmentKey(const platform::Key& key);
  Result Click(int x, int y);
  Result Escape();
  Result ChooseSlot();
  void MoveCategory(int step);
  void SelectPlace(int place);
  void SelectCategory(int category);
  void ToggleEquipment();
  void ShowAffixNumbers();
  void ShowSkillFigures();
  // Keeps the choice inside the list and refreshes the panel.
  void Refresh();
  int StackCount() const;

  void DrawCategories(platform::Grid& grid, const ui::Rect& rect) const;
  void DrawPile(platform::Grid& grid, int x, int y) const;
  void DrawEquipment(platform::Grid& grid, int x, int y) const;
  void DrawPanel(platform::Grid& grid, int x, int y) const;
  void DrawHints(platform::Grid& grid, const ui::Rect& rect) const;

  Game& game_;
  std::vector<std::string> info_;

  // Where things were drawn, for mouse clicks.
  mutable std::array<ui::Rect, kPileGroups> category_rects_{};
  mutable ui::Rect rows_rect_{};
  mutable ui::Rect toggle_rect_{};
  mutable ui::Rect close_rect_{};
  mutable ui::Rect up_rect_{};
  mutable ui::Rect down_rect_{};
};

}  // namespace zaldrun
