// Sectioned key=value settings files ("[Section]" lines, "Key=Value" lines, CR LF, Windows-1251).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zaldrun {

class IniFile {
 public:
  // Parses the bytes of a file. Returns nothing, with the reason in *error, when the bytes are not
  // a settings text: control bytes, a line longer than kMaxLine, a key outside any section, or a
  // key given twice in one section.
  static std::optional<IniFile> Parse(std::string_view bytes, std::string* error);

  // The value of a key (section and key compared without regard to ASCII case), blanks around it
  // removed, UTF-8, at most kMaxValue characters.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  // Sets a key, keeping the place of an existing one; new keys go to the end of their section and
  // new sections to the end of the file.
  void Set(std::string_view section, std::string_view key, std::string_view utf8_value);

  // The file's bytes: "[Section]" and "Key=Value" lines ended by CR LF, texts in Windows-1251.
  std::string Serialize() const;

  static constexpr size_t kMaxLine = 1024;
  static constexpr size_t kMaxValue = 119;

 private:
  struct Entry {
    std::string key;
    std::string value;  // Windows-1251, as stored
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };

  Section* FindSection(std::string_view name);
  const Section* FindSection(std::string_view name) const;

  std::vector<Section> sections_;
};

}  // namespace zaldrun
