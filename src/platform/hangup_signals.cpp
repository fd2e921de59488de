#include "platform/hangup_signals.hpp"

#include <array>
#include <csignal>

namespace platform {
namespace {

constexpr std::array kEndSignals = {SIGHUP, SIGTERM, SIGINT};

volatile sig_atomic_t g_hangup = 0;
int g_install_depth = 0;
std::array<struct sigaction, kEndSignals.size()> g_previous{};

void OnEndSignal(int) { g_hangup = 1; }

}  // namespace

void InstallHangupSignals() {
  if (g_install_depth++ > 0) return;
  g_hangup = 0;
  for (size_t i = 0; i < kEndSignals.size(); ++i) {
    struct sigaction action {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: the blocking read of the next key must wake up
    sigaction(kEndSignals[i], &action, &g_previous[i]);
    // nohup and background jobs ignore these on purpose.
    if (g_previous[i].sa_handler == SIG_IGN) sigaction(kEndSignals[i], &g_previous[i], nullptr);
  }
}

void RemoveHangupSignals() {
  if (g_install_depth == 0 || --g_install_depth > 0) return;
  for (size_t i = 0; i < kEndSignals.size(); ++i) {
    sigaction(kEndSignals[i], &g_previous[i], nullptr);
  }
}

bool HangupSignalled() { return g_hangup != 0; }

}  // namespace platform
