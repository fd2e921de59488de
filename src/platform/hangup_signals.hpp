// The signals that ask the program to end: the terminal hung up (SIGHUP), the system or the
// desktop wants it gone (SIGTERM), an interrupt (SIGINT). A handler only records the request; the
// front end's waits notice it, the game saves and ends.
#pragma once

namespace platform {

// Catches the three signals (a signal the caller chose to ignore stays ignored). Calls nest; the
// last RemoveHangupSignals puts the previous handlers back. A blocking read is not restarted
// after one of them.
void InstallHangupSignals();
void RemoveHangupSignals();

// One of the signals arrived since the handlers were first installed.
bool HangupSignalled();

}  // namespace platform
