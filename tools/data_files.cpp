#include "compilers.hpp"

namespace zaldrun::datac {

const std::vector<DataFile>& DataFiles() {
  static const std::vector<DataFile> kFiles = {
      {"Monsters.dat", 661, CompileMonsters, DumpMonster},
      {"Items.dat", 337, CompileItems, DumpItem},
      {"Affixes.dat", 97, CompileAffixes, DumpAffix},
      {"Places.dat", 80, CompilePlaces, DumpPlaceMap},
  };
  return kFiles;
}

}  // namespace zaldrun::datac
