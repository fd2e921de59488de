// The seven quests of the notebook: which entry of the quest-state array holds each one's state,
// and where its title and description stand in the text table.
#pragma once

#include <array>

namespace zaldrun {

inline constexpr int kNotebookQuests = 7;

// Quest q (1..7) keeps its state in quest-state entry kQuestStateIndex[q - 1] (0..99).
inline constexpr std::array<int, kNotebookQuests> kQuestStateIndex = {1, 2, 7, 8, 10, 11, 13};

// A state of 0 is a quest not received; 1..99 one in progress; 100 or more one completed.
inline constexpr int kQuestDone = 100;

inline constexpr int QuestTitleText(int quest) { return 2499 + 2 * quest; }
inline constexpr int QuestDescriptionText(int quest) { return 2500 + 2 * quest; }

}  // namespace zaldrun
