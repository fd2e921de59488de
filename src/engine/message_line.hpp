// The message line: every game message goes through ShowMessage, which appends it to the line,
// waits with " <ещё>" when the line is full, asks yes/no questions and numbers, and logs it.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/key.hpp"

namespace zaldrun {

struct Game;

namespace msg {
inline constexpr int kFreshLine = 1;    // start a fresh line: show " <ещё>" first if not empty
inline constexpr int kAcknowledge = 2;  // the player must acknowledge it at once
inline constexpr int kNoLog = 4;        // not written to Messages.log
inline constexpr int kBeep = 8;
inline constexpr int kQuestion = 16;  // append "(Y/N)" and wait for the answer
inline constexpr int kEntry = 32;     // show the entry box and wait for Enter
}  // namespace msg

inline constexpr std::string_view kMoreMark = " <ещё>";
inline constexpr size_t kMessageLineLimit = 200;

void ShowMessage(Game& game, std::string_view text, int flags = 0);

// The colour a message keeps in the history, by its flags: a warning with a beep red, one that
// must be acknowledged yellow, a question light blue, the rest as the message line.
int32_t MessageColour(int flags);

// True when the last question was answered yes; the answer is consumed (the state goes back to
// idle), so a caller can act on it without leaving the state behind.
bool TakeYes(Game& game);

// Empties the message line (each command key does it first).
void ClearMessageLine(Game& game);

// How a key ends a pending wait. Space and n end it; y answers yes while waiting; with the
// any-key option every other key ends it too; a hang-up ends it as Space does (a question is
// refused). Returns true when the key was taken by the wait.
bool ServeWaitKey(Game& game, const platform::Key& key);

}  // namespace zaldrun
