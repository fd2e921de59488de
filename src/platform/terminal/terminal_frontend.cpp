// Placeholder until the terminal front end lands.
#include "platform/terminal/terminal_frontend.hpp"
namespace platform {
std::unique_ptr<Frontend> CreateTerminalFrontend(std::string* error) {
  if (error) *error = "no terminal yet";
  return nullptr;
}
}  // namespace platform
