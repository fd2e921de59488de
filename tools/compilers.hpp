// The data compiler's parts: one compiler per data file, each turning readable sources in data/
// into the exact bytes of its .dat file, and dumping any record back as readable text.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace zaldrun::datac {

struct CompileResult {
  std::vector<uint8_t> bytes;
  // Each error names the source file, the entry and the field: "monsters.toml: [[monster]] 12
  // (Крыса): hp_max: must be at least hp_min".
  std::vector<std::string> errors;
};

struct DataFile {
  const char* name;    // "Monsters.dat"
  size_t record_size;  // bytes per record
  std::function<CompileResult(const std::filesystem::path& data_dir)> compile;
  // Readable text of record `number` (1-based) of the file's bytes; empty when out of range.
  std::function<std::string(std::span<const uint8_t> file, int number)> dump;
};

// Every data file the compiler knows, in the order they are built.
const std::vector<DataFile>& DataFiles();

// One compiler per file (each in its own source file).
CompileResult CompileMonsters(const std::filesystem::path& data_dir);
CompileResult CompileItems(const std::filesystem::path& data_dir);
CompileResult CompileAffixes(const std::filesystem::path& data_dir);
CompileResult CompilePlaces(const std::filesystem::path& data_dir);
std::string DumpMonster(std::span<const uint8_t> file, int number);
std::string DumpItem(std::span<const uint8_t> file, int number);
std::string DumpAffix(std::span<const uint8_t> file, int number);
std::string DumpPlaceMap(std::span<const uint8_t> file, int number);  // one map of 40 records

}  // namespace zaldrun::datac
