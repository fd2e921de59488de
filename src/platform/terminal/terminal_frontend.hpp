// Terminal front end: ncursesw, 24-bit colour where the terminal has it, 256 colours otherwise.
#pragma once

#include <memory>
#include <string>

#include "platform/frontend.hpp"

namespace platform {

// Takes over the terminal (restored when the front end is destroyed). Returns nothing, with a
// message for the player in *error, when standard input/output is not a terminal.
std::unique_ptr<Frontend> CreateTerminalFrontend(std::string* error);

}  // namespace platform
