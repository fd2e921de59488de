#include "support/temp_folder.hpp"

#include <unistd.h>

#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

namespace zaldrun::testing {

TempFolder::TempFolder() {
  std::random_device device;
  const auto base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    path_ = base / ("zaldrun-test-" + std::to_string(::getpid()) + "-" + std::to_string(device()));
    std::error_code ec;
    if (std::filesystem::create_directory(path_, ec)) return;
  }
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string ReadFileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFileText(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

}  // namespace zaldrun::testing
