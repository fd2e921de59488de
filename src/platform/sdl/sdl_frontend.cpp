// Placeholder until the window front end lands.
#include "platform/sdl/sdl_frontend.hpp"
namespace platform {
std::unique_ptr<Frontend> CreateSdlFrontend(const SdlOptions&, std::string* error) {
  if (error) *error = "no window yet";
  return nullptr;
}
bool DisplayAvailable() { return false; }
}  // namespace platform
