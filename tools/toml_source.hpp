// Reading the TOML sources with error messages that name the file, the entry and the field.
#pragma once

#include <toml++/toml.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zaldrun::datac {

// Collects errors for one source file; `Where` names an entry within it.
class SourceErrors {
 public:
  explicit SourceErrors(std::string file) : file_(std::move(file)) {}

  void Add(const std::string& entry, const std::string& field, const std::string& message);
  const std::vector<std::string>& all() const { return errors_; }
  std::vector<std::string> Take() { return std::move(errors_); }
  bool empty() const { return errors_.empty(); }
  const std::string& file() const { return file_; }

 private:
  std::string file_;
  std::vector<std::string> errors_;
};

// Parses a TOML file; on failure the error (with line and column) goes into `errors`.
std::optional<toml::table> ParseTomlFile(const std::filesystem::path& path, SourceErrors& errors);

// A field of an entry, checked for presence, type and range. Missing or wrong: an error is
// recorded and the fallback returned, so a compile reports every fault at once.
class EntryReader {
 public:
  EntryReader(const toml::table& table, std::string entry, SourceErrors& errors)
      : table_(table), entry_(std::move(entry)), errors_(errors) {}

  int64_t Int(const char* field, int64_t low, int64_t high);
  std::optional<int64_t> OptionalInt(const char* field, int64_t low, int64_t high);
  double Real(const char* field, double low, double high);
  // A text (UTF-8) that fits `max_chars` characters once written in Windows-1251; every
  // character must exist in that code page.
  std::string Text(const char* field, size_t max_chars, bool allow_empty = false);
  std::optional<std::string> OptionalText(const char* field, size_t max_chars);
  std::vector<int64_t> IntList(const char* field, size_t min_count, size_t max_count, int64_t low,
                               int64_t high);
  bool Has(const char* field) const { return table_.contains(field); }
  // Reports fields the entry has that are not in `known` (typos would otherwise be ignored).
  void CheckNoUnknownFields(const std::vector<std::string>& known);

  void Error(const char* field, const std::string& message) { errors_.Add(entry_, field, message); }
  const toml::table& table() const { return table_; }
  const std::string& entry() const { return entry_; }

 private:
  const toml::table& table_;
  std::string entry_;
  SourceErrors& errors_;
};

}  // namespace zaldrun::datac
