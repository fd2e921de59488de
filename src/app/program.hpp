// Running the program: the program folder, the front end, the main window.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

#include "app/options.hpp"
#include "platform/frontend.hpp"
#include "world/sandbox.hpp"

namespace zaldrun {

// The program folder: --dir when given (created if missing), else the executable's folder.
// Returns an empty path, with the reason in *error, when it cannot be had.
std::filesystem::path ProgramFolder(const Options& options, std::string* error);

// Runs the main window on a front end until the program closes; returns the exit code.
int RunGame(const Options& options, const std::filesystem::path& folder,
            platform::Frontend& frontend, const SandboxLevel* sandbox = nullptr,
            const HeroChoice* hero = nullptr);

// The whole program after the command line is read; messages for the player go to `err`.
int RunProgram(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace zaldrun
