// Hero names as file names: what a name may hold, its normal form, and the names of the hero's
// save file and character record.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zaldrun {

// The most characters a hero's name may have.
inline constexpr size_t kHeroNameLength = 40;

// A character a hero's name may hold: a letter Windows-1251 can encode (Latin or Cyrillic), a
// digit, a blank, "-" or "_". Nothing else can reach a file name: no separators, no dots, no
// control characters.
bool HeroNameCharacter(char32_t ch);

// The name as it becomes a file name: blanks trimmed at both ends and runs of blanks made one,
// cut to 40 characters. Empty when nothing is left; nothing (with the reason in *error) when the
// name holds a character it may not.
std::optional<std::string> NormalHeroName(std::string_view typed, std::string* error);

// The name with every character it may not hold left out, then normalised (the name box shows a
// stored name this way).
std::string CleanHeroName(std::string_view text);

// Two names name the same hero when they agree but for letter case (Latin and Cyrillic).
bool SameHeroName(std::string_view a, std::string_view b);

inline constexpr std::string_view kSaveExtension = ".sav";
inline constexpr std::string_view kBackupExtension = ".bak";

// Save/<name>.sav, its backup Save/<name>.bak, and the record <name>.txt beside the program.
std::filesystem::path SaveFilePath(const std::filesystem::path& save_folder, std::string_view name);
std::filesystem::path BackupFilePath(const std::filesystem::path& save_folder,
                                     std::string_view name);
std::filesystem::path RecordFilePath(const std::filesystem::path& folder, std::string_view name);
// The first record name no file holds yet: <name>.txt, then "<name> (2).txt", "<name> (3).txt"...
// An earlier hero's story is never written over (a hero's name holds no brackets, so these names
// are no other hero's own).
std::filesystem::path FreeRecordPath(const std::filesystem::path& folder, std::string_view name);

}  // namespace zaldrun
