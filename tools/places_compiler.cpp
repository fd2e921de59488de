// Places.dat from data/maps/: one text file per map, named by its number ("07-overworld.txt"),
// each 40 lines of 80 terrain letters.
#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "compilers.hpp"
#include "base/file_io.hpp"
#include "records/places_record.hpp"
#include "records/terrain.hpp"

namespace zaldrun::datac {
namespace {

constexpr size_t kMapSourceLimit = 64 * 1024;

struct MapSource {
  int number = 0;
  std::filesystem::path path;
  std::string shown;  // "maps/07-overworld.txt"
};

// The map number a file name starts with: two digits and a dash; 0 when it has none.
int MapNumberOf(const std::string& name) {
  if (name.size() < 4 || !std::isdigit(static_cast<unsigned char>(name[0])) ||
      !std::isdigit(static_cast<unsigned char>(name[1])) || name[2] != '-') {
    return 0;
  }
  return (name[0] - '0') * 10 + (name[1] - '0');
}

std::string Where(const MapSource& source, size_t line, size_t column) {
  return source.shown + ": line " + std::to_string(line + 1) + " (y " + std::to_string(line) +
         "), column " + std::to_string(column + 1) + " (x " + std::to_string(column) + ")";
}

// Splits into lines, accepting "\n" and "\r\n" and an optional final line end.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

void CompileMap(const MapSource& source, RecordWriter& out, std::vector<std::string>& errors) {
  std::string error;
  const auto bytes = ReadWholeFile(source.path, kMapSourceLimit, &error);
  if (!bytes) {
    errors.push_back(source.shown + ": " + error);
    return;
  }
  const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  const std::vector<std::string_view> lines = Lines(text);
  const size_t errors_before = errors.size();
  if (lines.size() != static_cast<size_t>(kPlaceMapRows)) {
    errors.push_back(source.shown + ": has " + std::to_string(lines.size()) +
                     " lines, a map has exactly " + std::to_string(kPlaceMapRows));
  }
  std::vector<PlaceRecord> records;
  for (size_t y = 0; y < lines.size() && y < static_cast<size_t>(kPlaceMapRows); ++y) {
    const std::string_view line = lines[y];
    for (size_t x = 0; x < line.size() && x < kPlaceRecordSize; ++x) {
      if (IsTerrainLetter(line[x])) continue;
      const auto byte = static_cast<unsigned char>(line[x]);
      const std::string shown = byte >= 0x20 && byte < 0x7F ? "\"" + std::string(1, line[x]) + "\""
                                                            : "byte " + std::to_string(byte);
      errors.push_back(Where(source, y, x) + ": " + shown + " is not a terrain letter A..[");
    }
    if (line.size() != kPlaceRecordSize) {
      errors.push_back(Where(source, y, std::min(line.size(), kPlaceRecordSize)) +
                       ": the line has " + std::to_string(line.size()) +
                       " letters, a row has exactly " + std::to_string(kPlaceRecordSize));
      continue;
    }
    PlaceRecord record;
    std::copy(line.begin(), line.end(), record.letters.begin());
    records.push_back(record);
  }
  if (errors.size() != errors_before) return;
  for (const PlaceRecord& record : records) {
    for (const std::string& fault : ValidatePlaceRecord(record)) {
      errors.push_back(source.shown + ": " + fault);
    }
    Encode(record, out);
  }
}

}  // namespace

CompileResult CompilePlaces(const std::filesystem::path& data_dir) {
  CompileResult result;
  const std::filesystem::path folder = data_dir / "maps";
  std::vector<MapSource> sources;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    if (!entry.is_regular_file() || entry.path().extension() != ".txt") continue;
    const std::string name = entry.path().filename().string();
    MapSource source{MapNumberOf(name), entry.path(), "maps/" + name};
    if (source.number == 0) {
      result.errors.push_back(source.shown +
                              ": a map file's name starts with its number: \"07-overworld.txt\"");
      continue;
    }
    sources.push_back(source);
  }
  if (ec) {
    result.errors.push_back("maps: cannot list the folder " + folder.string() + ": " +
                            ec.message());
    return result;
  }
  std::sort(sources.begin(), sources.end(),
            [](const MapSource& a, const MapSource& b) { return a.number < b.number; });
  for (size_t i = 0; i < sources.size(); ++i) {
    const int expected = static_cast<int>(i) + 1;
    if (sources[i].number != expected) {
      result.errors.push_back(
          sources[i].shown + ": map " + std::to_string(expected) +
          (sources[i].number < expected ? " has two files" : " is missing before it"));
      return result;
    }
  }
  if (static_cast<int>(sources.size()) < kPlaceMapsNeeded) {
    result.errors.push_back("maps: " + std::to_string(sources.size()) +
                            " maps, the places need at least " + std::to_string(kPlaceMapsNeeded));
  }
  RecordWriter out;
  for (const MapSource& source : sources) CompileMap(source, out, result.errors);
  if (result.errors.empty()) result.bytes = out.Take();
  return result;
}

std::string DumpPlaceMap(std::span<const uint8_t> file, int number) {
  const std::optional<int> maps = PlaceMapCount(file.size());
  const int whole_maps = maps ? *maps : static_cast<int>(file.size() / kPlaceMapSize);
  if (number < 1 || number > whole_maps) return {};
  const size_t first_record = static_cast<size_t>(number - 1) * kPlaceMapRows;
  std::string text = "Places.dat map " + std::to_string(number) + ": records " +
                     std::to_string(first_record + 1) + ".." +
                     std::to_string(first_record + kPlaceMapRows) + "\n";
  RecordReader in(file.subspan(first_record * kPlaceRecordSize, kPlaceMapSize));
  for (int y = 0; y < kPlaceMapRows; ++y) {
    PlaceRecord record;
    Decode(in, &record);
    for (const char letter : record.letters) text += IsTerrainLetter(letter) ? letter : '?';
    text += '\n';
  }
  return text;
}

}  // namespace zaldrun::datac
