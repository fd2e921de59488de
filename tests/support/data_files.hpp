// The game's data files as the compiler makes them from data/, compiled once per test run; and
// the sources with one entry edited, for the compilers' error tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "compilers.hpp"
#include "records/monster_record.hpp"

namespace zaldrun::testing {

inline const std::filesystem::path kDataDir = ZALDRUN_SOURCE_DIR "/data";

// The bytes of "Monsters.dat", "Items.dat", "Affixes.dat" or "Places.dat"; the calling test fails
// with the compiler's errors, and gets no bytes, when the sources do not compile.
const std::vector<uint8_t>& CompiledFile(std::string_view name);
// Type `type` (1..85) of the compiled Monsters.dat.
MonsterTypeRecord CompiledMonster(int type);

// The errors, one a line.
std::string Joined(const std::vector<std::string>& errors);
// True when some error holds `what`.
bool Mentions(const std::vector<std::string>& errors, std::string_view what);

// The errors of compiling `text` as data/<file>.
std::vector<std::string> CompileSource(
    datac::CompileResult (*compile)(const std::filesystem::path&), const std::string& file,
    const std::string& text);

// An edit of one entry of a source, and a text an error about it must hold.
struct SourceEdit {
  int number;  // of the entry
  const char* from;
  const char* to;
  const char* error;
};
// Compiles data/<file> with each edit made alone, in the entry "[[<list>]]\nnumber = N\n", and
// expects an error that starts with the file's name and holds the edit's text; the calling test
// also fails when the entry does not hold the edit's `from`.
void ExpectEditsRefused(datac::CompileResult (*compile)(const std::filesystem::path&),
                        const std::string& file, const std::string& list,
                        std::span<const SourceEdit> edits);

}  // namespace zaldrun::testing
