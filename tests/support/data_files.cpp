#include "support/data_files.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "support/temp_folder.hpp"

namespace zaldrun::testing {

const std::vector<uint8_t>& CompiledFile(std::string_view name) {
  static std::map<std::string, datac::CompileResult, std::less<>> compiled;
  auto it = compiled.find(name);
  for (const datac::DataFile& file : datac::DataFiles()) {
    if (it == compiled.end() && file.name == name) {
      it = compiled.emplace(file.name, file.compile(kDataDir)).first;
    }
  }
  if (it == compiled.end()) {
    ADD_FAILURE() << "no data file " << name;
    static const std::vector<uint8_t> kNone;
    return kNone;
  }
  EXPECT_EQ(Joined(it->second.errors), "") << name;
  return it->second.bytes;
}

MonsterTypeRecord CompiledMonster(int type) {
  const std::span<const uint8_t> bytes = CompiledFile("Monsters.dat");
  const size_t start = static_cast<size_t>(type - 1) * kMonsterRecordSize;
  if (type < 1 || start + kMonsterRecordSize > bytes.size()) return {};
  return DecodeMonsterRecord(bytes.subspan(start)).value_or(MonsterTypeRecord{});
}

std::string Joined(const std::vector<std::string>& errors) {
  std::string out;
  for (const std::string& e : errors) out += e + "\n";
  return out;
}

bool Mentions(const std::vector<std::string>& errors, std::string_view what) {
  return Joined(errors).find(what) != std::string::npos;
}

std::vector<std::string> CompileSource(
    datac::CompileResult (*compile)(const std::filesystem::path&), const std::string& file,
    const std::string& text) {
  TempFolder folder;
  WriteFileText(folder / file, text);
  return compile(folder.path()).errors;
}

void ExpectEditsRefused(datac::CompileResult (*compile)(const std::filesystem::path&),
                        const std::string& file, const std::string& list,
                        std::span<const SourceEdit> edits) {
  const std::string source = ReadFileText(kDataDir / file);
  for (const SourceEdit& edit : edits) {
    const std::string entry = "[[" + list + "]]\nnumber = " + std::to_string(edit.number) + "\n";
    const size_t start = source.find(entry);
    const size_t at = source.find(edit.from, start);
    if (start == std::string::npos || at == std::string::npos ||
        at > source.find("\n[[", start + 1)) {
      ADD_FAILURE() << edit.from << " is not in " << entry;
      continue;
    }
    std::string edited = source;
    edited.replace(at, std::string_view(edit.from).size(), edit.to);
    const std::vector<std::string> errors = CompileSource(compile, file, edited);
    const bool found = std::any_of(errors.begin(), errors.end(), [&](const std::string& e) {
      return e.starts_with(file + ": ") && e.find(edit.error) != std::string::npos;
    });
    EXPECT_TRUE(found) << "no error with \"" << edit.error << "\" among:\n" << Joined(errors);
  }
}

}  // namespace zaldrun::testing
