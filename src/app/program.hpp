// Running the program: the program folder, the front end, the main window.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

#include "app/options.hpp"
#include "platform/frontend.hpp"
#include "world/new_game.hpp"
#include "world/sandbox.hpp"

namespace zaldrun {

// The program folder: --dir when given (created if missing), else the executable's folder.
// Returns an empty path, with the reason in *error, when it cannot be had.
std::filesystem::path ProgramFolder(const Options& options, std::string* error);

// Runs the main window on a front end until the program closes; returns the exit code. With a
// sandbox level play starts on it; with --hero or --place (no --map) a new game starts at once.
int RunGame(const Options& options, const std::filesystem::path& folder,
            platform::Frontend& frontend, const SandboxLevel* sandbox = nullptr,
            const HeroChoice* hero = nullptr);

// The whole program after the command line is read; messages for the player go to `err`.
int RunProgram(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace zaldrun
