#define NCURSES_NOMACROS
#include "platform/terminal/terminal_signals.hpp"

#include <curses.h>

#include <array>
#include <csignal>
#include <cstdlib>

#include "platform/hangup_signals.hpp"

namespace platform {
namespace {

constexpr std::array kFaultSignals = {SIGSEGV, SIGBUS, SIGFPE, SIGILL};
// SIGINT, SIGHUP and SIGTERM end the program with the game saved (platform/hangup_signals).
constexpr std::array kDeadlySignals = {SIGABRT, SIGQUIT};

volatile sig_atomic_t g_curses_active = 0;
int g_install_depth = 0;
bool g_exit_handler_registered = false;

struct SavedAction {
  int signal;
  struct sigaction action;
};
std::array<SavedAction, kFaultSignals.size() + kDeadlySignals.size()> g_saved{};

struct sigaction* SavedFor(int signal) {
  for (SavedAction& saved : g_saved) {
    if (saved.signal == signal) return &saved.action;
  }
  return nullptr;
}

void RestoreTerminal() {
  if (g_curses_active) {
    g_curses_active = 0;
    endwin();  // not async-signal-safe, but the program is dying and a raw terminal is worse
  }
}

void OnFatalSignal(int signal, siginfo_t* info, void*) {
  RestoreTerminal();
  // Hand the signal to whoever had it before (the sanitizers' reporters, or the default).
  if (struct sigaction* previous = SavedFor(signal)) sigaction(signal, previous, nullptr);
  // A fault raised by the processor comes back by itself when the handler returns; one sent
  // by kill() or raise() (si_code <= 0) has to be sent again.
  bool is_fault = false;
  for (int fault : kFaultSignals) is_fault = is_fault || fault == signal;
  if (!is_fault || info == nullptr || info->si_code <= 0) raise(signal);
}

void OnExit() { RestoreTerminal(); }

template <size_t N>
void Catch(const std::array<int, N>& signals, void (*handler)(int, siginfo_t*, void*),
           size_t& slot) {
  for (int signal : signals) {
    struct sigaction action {};
    action.sa_sigaction = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_SIGINFO;
    g_saved[slot].signal = signal;
    sigaction(signal, &action, &g_saved[slot].action);
    // A signal the caller chose to ignore (nohup, a background job) stays ignored.
    if (g_saved[slot].action.sa_handler == SIG_IGN) {
      sigaction(signal, &g_saved[slot].action, nullptr);
    }
    ++slot;
  }
}

}  // namespace

void InstallTerminalGuards() {
  if (g_install_depth++ > 0) return;
  size_t slot = 0;
  Catch(kFaultSignals, OnFatalSignal, slot);
  Catch(kDeadlySignals, OnFatalSignal, slot);
  InstallHangupSignals();
  if (!g_exit_handler_registered) {
    g_exit_handler_registered = std::atexit(OnExit) == 0;
  }
}

void RemoveTerminalGuards() {
  if (g_install_depth == 0 || --g_install_depth > 0) return;
  for (const SavedAction& saved : g_saved) sigaction(saved.signal, &saved.action, nullptr);
  RemoveHangupSignals();
}

void SetCursesActive(bool active) { g_curses_active = active ? 1 : 0; }

}  // namespace platform
