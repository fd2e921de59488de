// zaldrun_datac: compiles data/ into the game's .dat files, or dumps a record as text.
//   zaldrun_datac build DATA_DIR OUT_DIR
//   zaldrun_datac dump FILE.dat RECORD
#include <charconv>
#include <filesystem>
#include <iostream>
#include <string>

#include "compilers.hpp"
#include "base/file_io.hpp"

namespace {

using zaldrun::datac::DataFile;
using zaldrun::datac::DataFiles;

int Build(const std::filesystem::path& data_dir, const std::filesystem::path& out_dir) {
  int failures = 0;
  for (const DataFile& file : DataFiles()) {
    const zaldrun::datac::CompileResult result = file.compile(data_dir);
    for (const std::string& error : result.errors) std::cerr << "error: " << error << "\n";
    if (!result.errors.empty()) {
      ++failures;
      continue;
    }
    std::string error;
    if (!zaldrun::WriteFileAtomically(out_dir / file.name, result.bytes, &error)) {
      std::cerr << "error: " << error << "\n";
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}

int Dump(const std::filesystem::path& path, const std::string& record_text) {
  const std::string name = path.filename().string();
  int record = 0;
  const auto [ptr, ec] =
      std::from_chars(record_text.data(), record_text.data() + record_text.size(), record);
  if (ec != std::errc() || ptr != record_text.data() + record_text.size() || record < 1) {
    std::cerr << "error: record must be a number from 1\n";
    return 2;
  }
  for (const DataFile& file : DataFiles()) {
    if (name != file.name) continue;
    std::string error;
    const auto bytes = zaldrun::ReadWholeFile(path, 64u << 20, &error);
    if (!bytes) {
      std::cerr << "error: " << error << "\n";
      return 1;
    }
    const std::string text = file.dump(*bytes, record);
    if (text.empty()) {
      std::cerr << "error: " << name << " has no record " << record << "\n";
      return 1;
    }
    std::cout << text;
    return 0;
  }
  std::cerr << "error: unknown data file " << name << "\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "build" && argc == 4) return Build(argv[2], argv[3]);
  if (command == "dump" && argc == 4) return Dump(argv[2], argv[3]);
  std::cerr << "usage: zaldrun_datac build DATA_DIR OUT_DIR\n"
               "       zaldrun_datac dump FILE.dat RECORD\n";
  return 2;
}
