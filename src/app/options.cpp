#include "app/options.hpp"

#include <charconv>
#include <string_view>

#include "levelgen/places.hpp"

namespace zaldrun {

std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string* error) {
  Options options;
  auto fail = [&](const std::string& why) {
    if (error) *error = why;
    return std::nullopt;
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](const char* name) -> const std::string* {
      if (i + 1 >= args.size()) return nullptr;
      (void)name;
      return &args[++i];
    };
    if (arg == "--window") {
      options.frontend = FrontendChoice::kWindow;
    } else if (arg == "--terminal") {
      options.frontend = FrontendChoice::kTerminal;
    } else if (arg == "--speech") {
      options.speech = true;
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--dir") {
      const std::string* dir = value("--dir");
      if (dir == nullptr || dir->empty()) return fail("--dir: укажите папку");
      options.folder = *dir;
    } else if (arg == "--map") {
      const std::string* file = value("--map");
      if (file == nullptr || file->empty()) return fail("--map: укажите файл карты");
      options.map_file = *file;
    } else if (arg == "--load") {
      const std::string* name = value("--load");
      if (name == nullptr || name->empty()) return fail("--load: укажите имя сохранённого героя");
      options.load = *name;
    } else if (arg == "--hero") {
      const std::string* choice = value("--hero");
      if (choice == nullptr || choice->empty())
        return fail("--hero: укажите РАСА,КЛАСС,ОРУЖИЕ,МЕТАТЕЛЬНОЕ");
      options.hero = *choice;
      options.hero_given = true;
    } else if (arg == "--place") {
      const std::string* text = value("--place");
      const auto comma = text == nullptr ? std::string::npos : text->find(',');
      int place = 0;
      int level = 0;
      auto number = [](std::string_view digits, int* out) {
        const auto end = digits.data() + digits.size();
        return !digits.empty() && std::from_chars(digits.data(), end, *out).ptr == end;
      };
      if (comma == std::string::npos || !number(std::string_view(*text).substr(0, comma), &place) ||
          !number(std::string_view(*text).substr(comma + 1), &level)) {
        return fail("--place: укажите МЕСТО,УРОВЕНЬ, например 5,1");
      }
      if (!LevelExists(place, level)) {
        return fail("--place: в мире нет уровня " + std::to_string(level) + " места " +
                    std::to_string(place));
      }
      options.start_place = place;
      options.start_level = level;
    } else if (arg == "--hp") {
      const std::string* text = value("--hp");
      int hp = 0;
      const auto end = text == nullptr ? nullptr : text->data() + text->size();
      if (text == nullptr || std::from_chars(text->data(), end, hp).ptr != end || hp < 1) {
        return fail("--hp: укажите число от 1");
      }
      options.hero_hp = hp;
    } else if (arg == "--seed") {
      const std::string* text = value("--seed");
      uint64_t seed = 0;
      if (text == nullptr) return fail("--seed: укажите число");
      const auto [ptr, ec] = std::from_chars(text->data(), text->data() + text->size(), seed);
      if (ec != std::errc() || ptr != text->data() + text->size()) {
        return fail("--seed: \"" + *text + "\" не число");
      }
      options.seed = seed;
    } else {
      return fail("неизвестный параметр \"" + arg + "\"");
    }
  }
  if (!options.map_file.empty() && options.start_place != 0) {
    return fail("--place: песочница --map и новая игра в мире не сочетаются");
  }
  if (!options.load.empty() &&
      (!options.map_file.empty() || options.hero_given || options.start_place != 0)) {
    return fail("--load: сохранённый герой продолжает свою игру, без --map, --hero и --place");
  }
  return options;
}

bool StartsNewGame(const Options& options) {
  return options.map_file.empty() && (options.hero_given || options.start_place != 0);
}

std::string UsageText() {
  return "Использование: zaldrun [параметры]\n"
         "  --window      играть в окне (по умолчанию, если есть экран)\n"
         "  --terminal    играть в терминале\n"
         "  --dir ПАПКА   одна папка для Zaldrun.ini, Messages.log, Save/ и записей героев\n"
         "  --seed N      начальное число случайных чисел (повторяемая игра)\n"
         "  --load ИМЯ    сразу продолжить игру сохранённого героя (Save/ИМЯ.sav)\n"
         "  --map ФАЙЛ    песочница: уровень из текстового файла 80 x 40\n"
         "  --hero Р,К,О,М  герой: раса 1..5, класс 1..4, оружие, метательное\n"
         "                (по умолчанию 1,1,1,0); без --map сразу начинается новая игра\n"
         "                на карте мира\n"
         "  --place М,У   новая игра начинается на уровне У места М (например 5,1)\n"
         "  --hp N        герой песочницы начинает раненым, с N очками жизни\n"
         "  --speech      озвучивать сообщения (через speech-dispatcher)\n"
         "  --help        эта справка\n"
         "  --version     версия программы\n";
}

}  // namespace zaldrun
