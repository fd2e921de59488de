// Running the program: its folders, the front end, the main window.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

#include "app/folders.hpp"
#include "app/options.hpp"
#include "platform/frontend.hpp"
#include "platform/speech/speaker.hpp"
#include "world/new_game.hpp"
#include "world/sandbox.hpp"

namespace zaldrun {

// Runs the main window on a front end until the program closes; returns the exit code. With a
// sandbox level play starts on it; with --hero or --place (no --map) a new game starts at once.
// Messages are spoken through the speaker when there is one and the player asks for speech.
int RunGame(const Options& options, const Folders& folders, platform::Frontend& frontend,
            const SandboxLevel* sandbox = nullptr, const HeroChoice* hero = nullptr,
            platform::Speaker* speaker = nullptr);

// The whole program after the command line is read; messages for the player go to `err`.
int RunProgram(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace zaldrun
