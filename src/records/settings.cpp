#include "records/settings.hpp"

#include <algorithm>
#include <cmath>
#include <optional>

#include "base/file_io.hpp"
#include "base/ini_file.hpp"
#include "base/utf8.hpp"

namespace zaldrun {
namespace {

constexpr std::string_view kControls = "Controls";
constexpr std::string_view kGeneral = "General";
constexpr std::string_view kCharacter = "Character";
constexpr std::string_view kWindowFontKey = "WindowFont";

constexpr uint8_t kDefaultFastMore = 0;
constexpr int16_t kDefaultFlyDelay = 100;
constexpr std::string_view kDefaultName = "Вася";

constexpr std::string_view kSpeechKey = "Speech";
constexpr std::array<std::string_view, 4> kCharacterKeys = {"Race", "Class", "Weapon", "Missile"};

std::array<uint8_t*, 4> CharacterFields(Settings& s) {
  return {&s.race, &s.hero_class, &s.weapon, &s.missile};
}

void PutControls(IniFile& file, const Settings& settings) {
  for (Command c : FileOrder()) {
    file.Set(kControls, InfoOf(c).key, std::to_string(settings.Binding(c)));
  }
  file.Set(kGeneral, "FastMore", std::to_string(settings.fast_more));
  file.Set(kGeneral, "FlyDelay", std::to_string(settings.fly_delay));
  file.Set(kGeneral, kWindowFontKey, std::to_string(settings.window_font));
  file.Set(kGeneral, kSpeechKey, std::to_string(settings.speech));
}

void PutCharacter(IniFile& file, const Settings& settings) {
  file.Set(kCharacter, "Name", settings.name);
  Settings copy = settings;
  const auto fields = CharacterFields(copy);
  for (size_t i = 0; i < kCharacterKeys.size(); ++i) {
    file.Set(kCharacter, kCharacterKeys[i], std::to_string(*fields[i]));
  }
}

// The file as it stands, or an empty one when it is missing or unreadable (it is rewritten whole).
IniFile LoadForUpdate(const std::filesystem::path& path) {
  std::string error;
  const auto bytes = ReadWholeFile(path, IniFile::kMaxLine * 64, &error);
  if (!bytes) return IniFile();
  const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  auto parsed = IniFile::Parse(text, nullptr);
  return parsed ? *parsed : IniFile();
}

std::string Store(const std::filesystem::path& path, const IniFile& file) {
  const std::string text = file.Serialize();
  std::string error;
  if (!WriteFileAtomically(path, std::string_view(text), &error)) return error;
  return std::string();
}

}  // namespace

const std::array<CommandInfo, kCommandCount>& Commands() {
  static const std::array<CommandInfo, kCommandCount> kTable = {{
      {Command::kPickUp, "PickUp", 44, "Поднять вещь"},
      {Command::kDrop, "Drop", 100, "Бросить на пол"},
      {Command::kEat, "Eat", 101, "Есть пищу"},
      {Command::kDrink, "Drink", 113, "Выпить зелье"},
      {Command::kRead, "Read", 114, "Прочитать"},
      {Command::kKick, "Kick", 107, "Пнуть"},
      {Command::kOpen, "Open", 111, "откр/закр дверь"},
      {Command::kChat, "Chat", 67, "Поговорить"},
      {Command::kInv, "Inv", 73, "Инвентарь"},
      {Command::kEquip, "Equip", 105, "Экипировка"},
      {Command::kInfo, "Info", 64, "О персонаже"},
      {Command::kSkills, "Skills", 65, "Навыки"},
      {Command::kZap, "Zap", 122, "Активировать жезл"},
      {Command::kShoot, "Shoot", 116, "Стрельба"},
      {Command::kGoDown, "GoDown", 62, "спуститься/подняться"},
      {Command::kSearch, "Search", 115, "Поиск секретов"},
      {Command::kDip, "Dip", 33, "Окунуть в зелье"},
      {Command::kLook, "Look", 108, "Оглядеться"},
      {Command::kQuit, "Quit", 81, "Выйти"},
      {Command::kSave, "Save", 83, "Сохраниться и выйти"},
      {Command::kNotes, "Notes", 78, "Открыть Записи"},
      {Command::kCast, "Cast", 90, ""},
      {Command::kHelp, "Help", 63, "Помощь"},
      {Command::kMessages, "Messages", 16, "Прошлые сообщения"},
      {Command::kRun, "Run", 46, "Бежать (и направление)"},
      {Command::kRest, "Rest", 82, "Отдыхать"},
      {Command::kExplore, "Explore", 120, "Исследовать уровень"},
      {Command::kTravel, "Travel", 71, "Идти к месту"},
      {Command::kWorldMap, "WorldMap", 77, "Карта мира"},
      {Command::kToggleSpeech, "ToggleSpeech", 86, "Озвучивание вкл/выкл"},
      {Command::kRepeatMessage, "RepeatMessage", 18, "Повторить сообщение"},
      {Command::kWhereAmI, "WhereAmI", 87, "Где я и что вокруг"},
  }};
  return kTable;
}

const CommandInfo& InfoOf(Command command) { return Commands()[static_cast<size_t>(command)]; }

const std::array<Command, kDialogSlots>& DialogOrder() {
  using C = Command;
  static constexpr std::array<Command, kDialogSlots> kOrder = {
      C::kPickUp, C::kDrop,     C::kEat,   C::kDrink, C::kRead,    C::kKick,   C::kOpen,
      C::kChat,   C::kInv,      C::kEquip, C::kInfo,  C::kSkills,  C::kZap,    C::kShoot,
      C::kGoDown, C::kSearch,   C::kDip,   C::kLook,  C::kQuit,    C::kSave,   C::kNotes,
      C::kHelp,   C::kMessages, C::kRun,   C::kRest,  C::kExplore, C::kTravel, C::kWorldMap,
      C::kToggleSpeech, C::kRepeatMessage, C::kWhereAmI};
  return kOrder;
}

const std::array<Command, kCommandCount>& FileOrder() {
  using C = Command;
  static constexpr std::array<Command, kCommandCount> kOrder = {
      C::kPickUp, C::kDrop,   C::kEquip,   C::kInv,    C::kKick,    C::kOpen,
      C::kRead,   C::kDrink,  C::kEat,     C::kZap,    C::kInfo,    C::kSearch,
      C::kDip,    C::kSkills, C::kGoDown,  C::kQuit,   C::kSave,    C::kLook,
      C::kCast,   C::kShoot,  C::kChat,    C::kNotes,  C::kHelp,    C::kMessages,
      C::kRun,    C::kRest,   C::kExplore, C::kTravel, C::kWorldMap,
      C::kToggleSpeech, C::kRepeatMessage, C::kWhereAmI};
  return kOrder;
}

const std::array<Command, kCommandCount - 1>& MatchOrder() {
  using C = Command;
  static constexpr std::array<Command, kCommandCount - 1> kOrder = {
      C::kPickUp, C::kDrop,     C::kEquip, C::kInv,  C::kKick,    C::kOpen,   C::kRead,
      C::kDrink,  C::kEat,      C::kZap,   C::kInfo, C::kShoot,   C::kSearch, C::kDip,
      C::kSkills, C::kGoDown,   C::kQuit,  C::kLook, C::kChat,    C::kSave,   C::kNotes,
      C::kHelp,   C::kMessages, C::kRun,   C::kRest, C::kExplore, C::kTravel, C::kWorldMap,
      C::kToggleSpeech, C::kRepeatMessage, C::kWhereAmI};
  return kOrder;
}

Settings DefaultSettings() {
  Settings s;
  for (const CommandInfo& info : Commands()) s.Binding(info.command) = info.default_char;
  s.fast_more = kDefaultFastMore;
  s.fly_delay = kDefaultFlyDelay;
  s.name = std::string(kDefaultName);
  s.race = s.hero_class = s.weapon = s.missile = 1;
  return s;
}

std::string SettingsFileText(const Settings& settings) {
  IniFile file;
  PutControls(file, settings);
  PutCharacter(file, settings);
  return file.Serialize();
}

std::string WriteAllSettings(const std::filesystem::path& file, const Settings& settings) {
  IniFile ini;
  PutControls(ini, settings);
  PutCharacter(ini, settings);
  return Store(file, ini);
}

std::string WriteControls(const std::filesystem::path& file, const Settings& settings) {
  IniFile ini = LoadForUpdate(file);
  PutControls(ini, settings);
  return Store(file, ini);
}

std::string WriteCharacter(const std::filesystem::path& file, const Settings& settings) {
  IniFile ini = LoadForUpdate(file);
  PutCharacter(ini, settings);
  return Store(file, ini);
}

bool ReadSettings(const std::filesystem::path& path, Settings* out) {
  std::string error;
  const auto bytes = ReadWholeFile(path, IniFile::kMaxLine * 64, &error);
  if (!bytes) return false;
  return ParseSettings(
      std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), out);
}

bool ParseSettings(std::string_view bytes, Settings* out) {
  std::string error;
  const auto file = IniFile::Parse(bytes, &error);
  if (!file) return false;

  Settings s = DefaultSettings();
  auto read_byte = [&](std::string_view section, std::string_view key, uint8_t* target) {
    const auto value = file->Get(section, key);
    const int parsed = value ? ParseSettingsByte(*value) : -1;
    if (parsed < 0) return false;
    *target = static_cast<uint8_t>(parsed);
    return true;
  };
  for (Command c : FileOrder()) {
    // A file written before the later commands existed keeps working: they take their defaults.
    const bool later = c >= kFirstLaterCommand;
    if (later && !file->Get(kControls, InfoOf(c).key)) continue;
    if (!read_byte(kControls, InfoOf(c).key, &s.Binding(c))) return false;
  }
  uint8_t fly_delay = 0;
  if (!read_byte(kGeneral, "FastMore", &s.fast_more)) return false;
  if (!read_byte(kGeneral, "FlyDelay", &fly_delay)) return false;
  s.fly_delay = fly_delay;
  // Optional: older files lack it; a face the game does not know is the first one.
  if (!read_byte(kGeneral, kWindowFontKey, &s.window_font) || s.window_font >= kWindowFontCount) {
    s.window_font = 0;
  }
  if (!read_byte(kGeneral, kSpeechKey, &s.speech) || s.speech > 1) s.speech = 0;  // optional too
  // A missing name reads as an empty one, which is accepted.
  s.name = Utf8Prefix(file->Get(kCharacter, "Name").value_or(""), Settings::kNameLength);
  const auto fields = CharacterFields(s);
  for (size_t i = 0; i < kCharacterKeys.size(); ++i) {
    if (!read_byte(kCharacter, kCharacterKeys[i], fields[i])) return false;
  }
  *out = s;
  return true;
}

int ParseSettingsByte(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 12) return -1;
  double value = 0;
  bool digits = false;
  size_t i = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    digits = true;
  }
  if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
    double scale = 0.1;
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
      value += (text[i] - '0') * scale;
      scale /= 10;
      digits = true;
    }
  }
  if (!digits || i != text.size()) return -1;
  if (negative) value = -value;
  const double rounded = std::nearbyint(value);  // the default rounding mode: ties to even
  if (rounded < 0 || rounded > 255) return -1;
  return static_cast<int>(rounded);
}

}  // namespace zaldrun
