#include "items/compiled_item_files.hpp"

#include "compilers.hpp"

namespace zaldrun::testing {

namespace {

struct Compiled {
  std::vector<uint8_t> bytes;
  std::string errors;
};

Compiled Run(datac::CompileResult (*compile)(const std::filesystem::path&)) {
  const datac::CompileResult result = compile(std::filesystem::path(ZALDRUN_SOURCE_DIR) / "data");
  Compiled out;
  for (const std::string& e : result.errors) out.errors += e + "\n";
  if (result.errors.empty()) out.bytes = result.bytes;
  return out;
}

}  // namespace

const std::vector<uint8_t>& CompiledItemsFile(std::string* errors) {
  static const Compiled kItems = Run(datac::CompileItems);
  if (errors) *errors = kItems.errors;
  return kItems.bytes;
}

const std::vector<uint8_t>& CompiledAffixesFile(std::string* errors) {
  static const Compiled kAffixes = Run(datac::CompileAffixes);
  if (errors) *errors = kAffixes.errors;
  return kAffixes.bytes;
}

}  // namespace zaldrun::testing
