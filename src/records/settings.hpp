// The player's settings: key bindings, the two general options and the last character choices,
// kept in Zaldrun.ini.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace zaldrun {

// The commands that have a key binding: the first 21 in the order of the settings window's slots
// 1..21; Cast is kept in the file but shown nowhere; the later ones follow in the window as slots
// 22.. and may be missing from an older file.
enum class Command : uint8_t {
  kPickUp,
  kDrop,
  kEat,
  kDrink,
  kRead,
  kKick,
  kOpen,
  kChat,
  kInv,
  kEquip,
  kInfo,
  kSkills,
  kZap,
  kShoot,
  kGoDown,
  kSearch,
  kDip,
  kLook,
  kQuit,
  kSave,
  kNotes,
  kCast,
  kHelp,
  kMessages,
  kRun,
  kRest,
  kExplore,
  kTravel,
  kWorldMap,
  kToggleSpeech,
  kRepeatMessage,
  kWhereAmI,
};
inline constexpr int kCommandCount = 32;
inline constexpr int kDialogSlots = 31;
// The commands before this one are in every settings file; the later ones take their default
// when an older file lacks them.
inline constexpr Command kFirstLaterCommand = Command::kHelp;

struct CommandInfo {
  Command command;
  std::string_view key;      // the key in the settings file
  uint8_t default_char;      // default binding
  std::string_view caption;  // the settings window's caption (empty for Cast)
};

// Indexed by Command.
const std::array<CommandInfo, kCommandCount>& Commands();
const CommandInfo& InfoOf(Command command);

// The settings window's slots in order (every command but Cast).
const std::array<Command, kDialogSlots>& DialogOrder();
// The order in which the file's Controls keys are written and read.
const std::array<Command, kCommandCount>& FileOrder();
// The order in which a typed character is matched against the bindings.
const std::array<Command, kCommandCount - 1>& MatchOrder();

struct Settings {
  std::array<uint8_t, kCommandCount> bindings{};
  uint8_t fast_more = 0;
  int16_t fly_delay = 100;
  // The window's font face: 0 DejaVu Sans Mono, 1 PT Mono, 2 Terminus. Files written before it
  // was kept lack the key and read as 0.
  uint8_t window_font = 0;
  uint8_t speech = 0;  // 1: messages, questions and selected entries are spoken
  std::string name;  // UTF-8, at most kNameLength characters
  uint8_t race = 1;
  uint8_t hero_class = 1;
  uint8_t weapon = 1;
  uint8_t missile = 1;

  uint8_t Binding(Command c) const { return bindings[static_cast<size_t>(c)]; }
  uint8_t& Binding(Command c) { return bindings[static_cast<size_t>(c)]; }

  static constexpr size_t kNameLength = 40;
};

Settings DefaultSettings();

inline constexpr uint8_t kWindowFontCount = 3;

inline constexpr std::string_view kSettingsFileName = "Zaldrun.ini";
inline constexpr std::string_view kSettingsErrorText =
    "В Zaldrun.ini ошибка! Настройки поставлены по умолчанию!";
inline constexpr std::string_view kSettingsTitle = "Настройки";

// The whole file as written with the given values (sections and keys in their fixed order).
std::string SettingsFileText(const Settings& settings);

// Writes every key of the three sections. Returns an error text, empty on success.
std::string WriteAllSettings(const std::filesystem::path& file, const Settings& settings);
// Reads every key. Fails (returns false) when the file is unreadable or not a settings text, or
// when any value is missing, not a number, or outside 0..255; *out is then left unchanged. The
// speech keys came later: a file without them keeps their defaults.
bool ReadSettings(const std::filesystem::path& file, Settings* out);
// The same for the bytes of a settings file.
bool ParseSettings(std::string_view bytes, Settings* out);
// Rewrites the Controls and General keys from memory and leaves the Character section as it is.
std::string WriteControls(const std::filesystem::path& file, const Settings& settings);
// Rewrites the Character keys (the new-game window's choices).
std::string WriteCharacter(const std::filesystem::path& file, const Settings& settings);

// A settings value as a byte: optional blanks, an optional sign, digits with an optional decimal
// fraction (rounded to the nearest, ties to even). Returns -1 for anything else or a value outside
// 0..255.
int ParseSettingsByte(std::string_view text);

}  // namespace zaldrun
