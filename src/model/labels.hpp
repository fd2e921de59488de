// The main window's status labels as the game writes them: texts, colours and visibility.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zaldrun {

// The condition labels, in their order on the screen.
enum class Condition : uint8_t { kPoisoned, kConfused, kParalyzed, kBlind, kWeak, kBlessed };
inline constexpr int kConditionCount = 6;

struct StatusLabels {
  std::string hp;  // "15(34)"
  std::string pp;  // "3(10)"
  std::string exp;
  std::string level;
  std::string money;  // "534$"

  // The hunger label: text and colour (packed red + 256 * green + 65536 * blue), hidden when the
  // hero is neither hungry nor full.
  std::string hunger_text = "Голоден";
  uint32_t hunger_colour = 65535;
  bool hunger_visible = false;
  // The burden label: "Нагружен" in yellow or "Перегружен" in red, hidden when unburdened.
  std::string burden_text;
  uint32_t burden_colour = 0;
  bool burden_visible = false;
  std::array<bool, kConditionCount> conditions{};

  // The turn cycle's time figures: kept for diagnostics, never shown.
  std::array<std::string, 3> time_figures;

  bool Has(Condition c) const { return conditions[static_cast<size_t>(c)]; }
  void Set(Condition c, bool on) { conditions[static_cast<size_t>(c)] = on; }
};

// The texts the condition labels show while the condition lasts.
inline constexpr std::array<const char*, kConditionCount> kConditionTexts = {
    "Отравлен!", "Замешательство", "Паралич", "Ослеплен", "Ослаблен", "Благословлен"};

}  // namespace zaldrun
