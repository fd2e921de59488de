#include "toml_source.hpp"

#include <algorithm>
#include <sstream>

#include "base/cp1251.hpp"
#include "base/utf8.hpp"

namespace zaldrun::datac {

void SourceErrors::Add(const std::string& entry, const std::string& field,
                       const std::string& message) {
  std::string text = file_;
  if (!entry.empty()) text += ": " + entry;
  if (!field.empty()) text += ": " + field;
  errors_.push_back(text + ": " + message);
}

std::optional<toml::table> ParseTomlFile(const std::filesystem::path& path, SourceErrors& errors) {
  try {
    return toml::parse_file(path.string());
  } catch (const toml::parse_error& e) {
    std::ostringstream where;
    where << "line " << e.source().begin.line << ", column " << e.source().begin.column;
    errors.Add(where.str(), "", std::string(e.description()));
  }
  return std::nullopt;
}

int64_t EntryReader::Int(const char* field, int64_t low, int64_t high) {
  const auto value = OptionalInt(field, low, high);
  if (!value && !table_.contains(field)) Error(field, "missing");
  return value.value_or(low);
}

std::optional<int64_t> EntryReader::OptionalInt(const char* field, int64_t low, int64_t high) {
  const toml::node* node = table_.get(field);
  if (node == nullptr) return std::nullopt;
  const auto value = node->value<int64_t>();
  if (!node->is_integer() || !value) {
    Error(field, "must be a whole number");
    return std::nullopt;
  }
  if (*value < low || *value > high) {
    Error(field, std::to_string(*value) + " is outside " + std::to_string(low) + ".." +
                     std::to_string(high));
    return std::nullopt;
  }
  return value;
}

double EntryReader::Real(const char* field, double low, double high) {
  const toml::node* node = table_.get(field);
  if (node == nullptr) {
    Error(field, "missing");
    return low;
  }
  const auto value = node->value<double>();  // integers are accepted as reals
  if (!value) {
    Error(field, "must be a number");
    return low;
  }
  if (*value < low || *value > high) {
    std::ostringstream range;
    range << *value << " is outside " << low << ".." << high;
    Error(field, range.str());
    return low;
  }
  return *value;
}

std::optional<std::string> EntryReader::OptionalText(const char* field, size_t max_chars) {
  const toml::node* node = table_.get(field);
  if (node == nullptr) return std::nullopt;
  const auto value = node->value<std::string>();
  if (!node->is_string() || !value) {
    Error(field, "must be a text");
    return std::nullopt;
  }
  for (char32_t ch : DecodeUtf8(*value)) {
    if (UnicodeToCp1251(ch) < 0) {
      std::string shown;
      AppendUtf8(shown, ch);
      Error(field, "the character \"" + shown + "\" has no Windows-1251 code");
      return std::nullopt;
    }
  }
  if (Utf8Length(*value) > max_chars) {
    Error(field, "longer than " + std::to_string(max_chars) + " characters");
    return std::nullopt;
  }
  return value;
}

std::string EntryReader::Text(const char* field, size_t max_chars, bool allow_empty) {
  const auto value = OptionalText(field, max_chars);
  if (!value) {
    if (!table_.contains(field)) Error(field, "missing");
    return std::string();
  }
  if (value->empty() && !allow_empty) Error(field, "must not be empty");
  return *value;
}

std::vector<int64_t> EntryReader::IntList(const char* field, size_t min_count, size_t max_count,
                                          int64_t low, int64_t high) {
  std::vector<int64_t> out;
  const toml::node* node = table_.get(field);
  if (node == nullptr) {
    if (min_count > 0) Error(field, "missing");
    return out;
  }
  const toml::array* array = node->as_array();
  if (array == nullptr) {
    Error(field, "must be a list of whole numbers");
    return out;
  }
  for (const toml::node& element : *array) {
    const auto value = element.value<int64_t>();
    if (!element.is_integer() || !value) {
      Error(field, "must be a list of whole numbers");
      return {};
    }
    if (*value < low || *value > high) {
      Error(field, "element " + std::to_string(*value) + " is outside " + std::to_string(low) +
                       ".." + std::to_string(high));
      return {};
    }
    out.push_back(*value);
  }
  if (out.size() < min_count || out.size() > max_count) {
    Error(field, "must hold " + std::to_string(min_count) + ".." + std::to_string(max_count) +
                     " numbers, has " + std::to_string(out.size()));
  }
  return out;
}

void EntryReader::CheckNoUnknownFields(const std::vector<std::string>& known) {
  for (const auto& [key, node] : table_) {
    (void)node;
    const std::string name(key.str());
    if (std::find(known.begin(), known.end(), name) == known.end()) {
      Error(name.c_str(), "unknown field");
    }
  }
}

}  // namespace zaldrun::datac
