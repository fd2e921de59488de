#include "world/hero_names.hpp"

#include "base/cp1251.hpp"
#include "base/utf8.hpp"

namespace zaldrun {
namespace {

bool IsLatinLetter(char32_t ch) { return (ch >= U'a' && ch <= U'z') || (ch >= U'A' && ch <= U'Z'); }

// Cyrillic letters the code page has: the Russian alphabet with Ё, and the Ukrainian, Belarusian,
// Serbian and Macedonian letters of the same table.
bool IsCyrillicLetter(char32_t ch) {
  return ch >= 0x0400 && ch <= 0x04FF && UnicodeToCp1251(ch) >= 0;
}

char32_t LowerCase(char32_t ch) {
  if (ch >= U'A' && ch <= U'Z') return ch + 0x20;
  if (ch >= 0x0410 && ch <= 0x042F) return ch + 0x20;  // А..Я
  if (ch >= 0x0400 && ch <= 0x040F) return ch + 0x50;  // Ѐ..Џ, Ё among them
  if (ch == 0x0490) return 0x0491;                     // Ґ
  return ch;
}

// Trims, makes runs of blanks one blank and cuts to the length limit.
std::string Normalise(const std::u32string& text) {
  std::u32string out;
  for (const char32_t ch : text) {
    if (ch == U' ' && (out.empty() || out.back() == U' ')) continue;
    out.push_back(ch);
  }
  if (out.size() > kHeroNameLength) out.resize(kHeroNameLength);
  while (!out.empty() && out.back() == U' ') out.pop_back();
  return EncodeUtf8(out);
}

}  // namespace

bool HeroNameCharacter(char32_t ch) {
  return IsLatinLetter(ch) || IsCyrillicLetter(ch) || (ch >= U'0' && ch <= U'9') || ch == U' ' ||
         ch == U'-' || ch == U'_';
}

std::optional<std::string> NormalHeroName(std::string_view typed, std::string* error) {
  std::u32string text = DecodeUtf8(typed);
  for (char32_t& ch : text) {
    if (ch == U'\t') ch = U' ';
    if (!HeroNameCharacter(ch)) {
      if (error) {
        *error = "В имени героя могут быть только буквы, цифры, пробел, \"-\" и \"_\".";
      }
      return std::nullopt;
    }
  }
  return Normalise(text);
}

std::string CleanHeroName(std::string_view text) {
  std::u32string kept;
  for (const char32_t ch : DecodeUtf8(text)) {
    if (HeroNameCharacter(ch)) kept.push_back(ch);
  }
  return Normalise(kept);
}

bool SameHeroName(std::string_view a, std::string_view b) {
  const std::u32string x = DecodeUtf8(a);
  const std::u32string y = DecodeUtf8(b);
  if (x.size() != y.size()) return false;
  for (size_t i = 0; i < x.size(); ++i) {
    if (LowerCase(x[i]) != LowerCase(y[i])) return false;
  }
  return true;
}

std::filesystem::path SaveFilePath(const std::filesystem::path& save_folder,
                                   std::string_view name) {
  return save_folder / (std::string(name) + std::string(kSaveExtension));
}

std::filesystem::path BackupFilePath(const std::filesystem::path& save_folder,
                                     std::string_view name) {
  return save_folder / (std::string(name) + std::string(kBackupExtension));
}

std::filesystem::path RecordFilePath(const std::filesystem::path& folder, std::string_view name) {
  return folder / (std::string(name) + ".txt");
}

std::filesystem::path FreeRecordPath(const std::filesystem::path& folder, std::string_view name) {
  std::filesystem::path path = RecordFilePath(folder, name);
  std::error_code ec;
  for (int n = 2; std::filesystem::exists(std::filesystem::symlink_status(path, ec)); ++n) {
    path = RecordFilePath(folder, std::string(name) + " (" + std::to_string(n) + ")");
  }
  return path;
}

}  // namespace zaldrun
