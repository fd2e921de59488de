// A game with the compiled item files loaded and a fixed dealing of looks, for the item tests;
// and a screen stand-in that records message boxes.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/game.hpp"
#include "model/io.hpp"

namespace zaldrun::testing {

// Types the tests name.
namespace test_type {
inline constexpr int kApple = 1;           // food, known, neuter
inline constexpr int kDagger = 5;          // weapon, masculine, weight 5
inline constexpr int kCudgel = 22;         // weapon, feminine "Дубинка"
inline constexpr int kHealingPotion = 30;  // potion, neuter, stack 1..2
inline constexpr int kAmulet = 31;
inline constexpr int kRing = 34;
inline constexpr int kScroll = 49;
inline constexpr int kShortSword = 57;  // weapon, masculine "Короткий Меч", price 90, weight 40
inline constexpr int kSpear = 58;  // weapon, neuter "Копье"
inline constexpr int kWand = 78;  // "Жезл Магической Стрелы", price 285, charges 6..14
inline constexpr int kSandals = 3;       // armour, plural only "Сандалии"
inline constexpr int kRustySword = 136;  // never takes affixes
}  // namespace test_type

// Every pool type gets look 1 (scrolls 9: "Ынц Ынц"), and the hero pays plain prices.
std::unique_ptr<Game> NewItemGame();

// An item as the tests build it: identified, uncursed and known, of a material with no word.
ItemRecord Item(int type, int count = 1);

class RecordingIo : public Io {
 public:
  platform::Key NextKey() override { return {}; }
  bool KeyWaiting() override { return false; }
  void Present() override {}
  void SleepMs(int) override {}
  void Beep() override {}
  void MessageBox(std::string_view text, std::string_view title) override {
    boxes.emplace_back(std::string(text), std::string(title));
  }

  std::vector<std::pair<std::string, std::string>> boxes;  // text, title
};

}  // namespace zaldrun::testing
