// Settings files as they may be found on disk: any bytes must read as settings or be refused.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/ini_file.hpp"
#include "records/settings.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  zaldrun::Settings settings;
  if (zaldrun::ParseSettings(bytes, &settings)) {
    // What was read writes back to a file that reads the same.
    zaldrun::Settings again;
    if (!zaldrun::ParseSettings(zaldrun::SettingsFileText(settings), &again)) __builtin_trap();
    if (again.bindings != settings.bindings || again.name != settings.name) __builtin_trap();
  }
  if (auto file = zaldrun::IniFile::Parse(bytes, nullptr)) {
    file->Set("General", "FlyDelay", "7");
    if (!zaldrun::IniFile::Parse(file->Serialize(), nullptr)) __builtin_trap();
  }
  return 0;
}
