#include "records/text_table.hpp"

#include <charconv>
#include <map>

namespace zaldrun {

// Generated at build time from data/texts.tsv.
extern const char* const kEmbeddedTexts;

namespace {

struct ParsedTable {
  std::map<int, std::string> entries;
  std::string error;
};

ParsedTable Parse(std::string_view source) {
  ParsedTable table;
  int line_number = 0;
  while (!source.empty()) {
    const size_t end = source.find('\n');
    std::string_view line = source.substr(0, end);
    source = end == std::string_view::npos ? std::string_view() : source.substr(end + 1);
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const size_t tab = line.find('\t');
    int id = 0;
    const auto [ptr, ec] = std::from_chars(line.data(), line.data() + line.size(), id);
    if (tab == std::string_view::npos || ec != std::errc() || ptr != line.data() + tab) {
      table.error = "line " + std::to_string(line_number) + ": expected an identifier and a tab";
      return table;
    }
    if (!table.entries.emplace(id, std::string(line.substr(tab + 1))).second) {
      table.error = "line " + std::to_string(line_number) + ": identifier " + std::to_string(id) +
                    " appears twice";
      return table;
    }
  }
  return table;
}

const std::map<int, std::string>& Table() {
  static const std::map<int, std::string> table = Parse(kEmbeddedTexts).entries;
  return table;
}

}  // namespace

const std::string& FetchText(int id) {
  static const std::string kEmpty;
  const auto& table = Table();
  const auto it = table.find(id);
  return it == table.end() ? kEmpty : it->second;
}

int32_t FetchNumber(int id) {
  const std::string& text = FetchText(id);
  int32_t value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

bool HasText(int id) { return Table().contains(id); }

size_t TextTableSize() { return Table().size(); }

std::string CheckTextSource(std::string_view source) { return Parse(source).error; }

}  // namespace zaldrun
