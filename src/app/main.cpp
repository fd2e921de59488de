// zaldrun: the game's executable.
#include <iostream>
#include <string>
#include <vector>

#include "app/options.hpp"
#include "app/program.hpp"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  const auto options = zaldrun::ParseOptions(args, &error);
  if (!options) {
    std::cerr << "zaldrun: " << error << "\n" << zaldrun::UsageText();
    return 2;
  }
  try {
    return zaldrun::RunProgram(*options, std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << "zaldrun: " << e.what() << "\n";
    return 1;
  }
}
