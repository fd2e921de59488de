// zaldrun in the browser page: one folder kept in the browser's storage (/zaldrun, mounted by the
// page before the program starts) for settings, saves and records; the data files under /data.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/folders.hpp"
#include "app/options.hpp"
#include "app/program.hpp"
#include "platform/web/web_frontend.hpp"

int main(int argc, char** argv) {
  // The page passes what its address asks for (?seed=3 gives --seed 3).
  std::string error;
  const std::optional<zaldrun::Options> options =
      zaldrun::ParseOptions(std::vector<std::string>(argv + 1, argv + argc), &error);
  if (!options) {
    std::cerr << "zaldrun: " << error << "\n";
    return 2;
  }
  zaldrun::Folders folders;
  folders.data = "/data";
  folders.settings = folders.user = "/zaldrun";
  zaldrun::HeroChoice hero;
  if (!zaldrun::CreateFolders(folders, &error) ||
      !zaldrun::ParseHeroChoice(options->hero, &hero, &error)) {
    std::cerr << "zaldrun: " << error << "\n";
    return 1;
  }
  const std::unique_ptr<platform::Frontend> frontend = platform::CreateWebFrontend();
  try {
    return zaldrun::RunGame(*options, folders, *frontend, nullptr, &hero);
  } catch (const std::exception& e) {
    std::cerr << "zaldrun: " << e.what() << "\n";
    return 1;
  }
}
