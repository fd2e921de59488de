#include "levelgen/place_names.hpp"

#include "levelgen/places.hpp"
#include "records/text_table.hpp"

namespace zaldrun {
namespace {

// The names the overworld's entrances already carry.
constexpr int kVillageText = 999;
constexpr int kTownText = 1000;
constexpr int kTombText = 997;
constexpr int kSwampText = 469;
constexpr int kThicketText = 470;

std::string WithLevel(const std::string& name, int level) {
  return name + ", уровень " + std::to_string(level);
}

std::string WorldLevelName(int level) {
  switch (level) {
    case place::kOverworld:
      return "Окрестные земли";
    case place::kVillage:
      return FetchText(kVillageText);
    case place::kGoblinCamp:
      return "Лагерь гоблинов";
    case place::kTown:
      return FetchText(kTownText);
    case place::kCellars:
      return "Погреба";
    case place::kFloodedGrotto:
      return "Затопленный грот";
    default:
      return WithLevel("Окрестности деревни", level);
  }
}

}  // namespace

std::string PlaceName(int place, int level) {
  switch (place) {
    case place::kWorld:
      return WorldLevelName(level);
    case place::kCatacombs:
      return WithLevel("Катакомбы", level);
    case place::kDarkCave:
      return WithLevel("Пещера", level);
    case place::kTomb:
      if (level >= place::kAnthillTop) {
        return WithLevel("Муравейник", level - place::kAnthillTop + 1);
      }
      return WithLevel(FetchText(kTombText), level);
    case place::kEndless:
      return WithLevel("Бездонная пещера", level);
    case place::kSwamp:
      return WithLevel(FetchText(kSwampText), level);
    case place::kThicket:
      return WithLevel(FetchText(kThicketText), level);
    default:
      return "Неизведанное место";  // a sandbox level tried out from the command line
  }
}

}  // namespace zaldrun
