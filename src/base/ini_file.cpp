#include "base/ini_file.hpp"

#include <algorithm>

#include "base/cp1251.hpp"
#include "base/utf8.hpp"

namespace zaldrun {
namespace {

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

std::optional<IniFile> IniFile::Parse(std::string_view bytes, std::string* error) {
  IniFile file;
  int line_number = 0;
  auto fail = [&](const std::string& why) {
    if (error) *error = "строка " + std::to_string(line_number) + ": " + why;
    return std::nullopt;
  };
  while (!bytes.empty()) {
    ++line_number;
    size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > kMaxLine) return fail("слишком длинная строка");
    for (char c : line) {
      const auto byte = static_cast<unsigned char>(c);
      if (byte < 32 && c != '\t') return fail("в файле не текст");
    }
    line = Trim(line);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const size_t close = line.find(']');
      if (close == std::string_view::npos) return fail("нет закрывающей скобки");
      const std::string_view name = Trim(line.substr(1, close - 1));
      if (file.FindSection(name) == nullptr) file.sections_.push_back({std::string(name), {}});
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return fail("нет знака =");
    if (file.sections_.empty()) return fail("ключ вне раздела");
    const std::string_view key = Trim(line.substr(0, equals));
    Section& section = file.sections_.back();
    for (const Entry& entry : section.entries) {
      if (SameName(entry.key, key)) return fail("ключ " + std::string(key) + " повторяется");
    }
    section.entries.push_back({std::string(key), std::string(Trim(line.substr(equals + 1)))});
  }
  return file;
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
  for (Section& section : sections_) {
    if (SameName(section.name, name)) return &section;
  }
  return nullptr;
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  return const_cast<IniFile*>(this)->FindSection(name);
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return std::nullopt;
  for (const Entry& entry : found->entries) {
    if (SameName(entry.key, key)) return Cp1251ToUtf8(entry.value.substr(0, kMaxValue));
  }
  return std::nullopt;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view utf8_value) {
  Section* found = FindSection(section);
  if (found == nullptr) {
    sections_.push_back({std::string(section), {}});
    found = &sections_.back();
  }
  std::string value = Utf8ToCp1251(utf8_value);
  for (Entry& entry : found->entries) {
    if (SameName(entry.key, key)) {
      entry.value = std::move(value);
      return;
    }
  }
  found->entries.push_back({std::string(key), std::move(value)});
}

std::string IniFile::Serialize() const {
  std::string out;
  for (const Section& section : sections_) {
    out += "[" + section.name + "]\r\n";
    for (const Entry& entry : section.entries) out += entry.key + "=" + entry.value + "\r\n";
  }
  return out;
}

}  // namespace zaldrun
