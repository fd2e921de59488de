// Leaving the terminal usable when the program dies, and noticing when the terminal goes away.
#pragma once

namespace platform {

// Catches the fatal signals (the terminal is restored, then the signal takes its usual course)
// and the hang-up signals (platform/hangup_signals), and registers an exit handler once. Calls
// nest; the last RemoveTerminalGuards puts the previous handlers back.
void InstallTerminalGuards();
void RemoveTerminalGuards();

// Whether curses owns the terminal now; the handlers restore it only then.
void SetCursesActive(bool active);

}  // namespace platform
