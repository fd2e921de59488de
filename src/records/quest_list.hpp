// The quest-state entries, and the seven quests of the notebook: which entry of the quest-state
// array holds each one's state, and where its title and description stand in the text table.
#pragma once

#include <array>

namespace zaldrun {

inline constexpr int kNotebookQuests = 7;

// Quest q (1..7) keeps its state in quest-state entry kQuestStateIndex[q - 1] (0..99).
inline constexpr std::array<int, kNotebookQuests> kQuestStateIndex = {1, 2, 7, 8, 10, 11, 13};

// A state of 0 is a quest not received; 1..99 one in progress; 100 or more one completed.
inline constexpr int kQuestDone = 100;

// Entries of the quest-state array (index 0..99) and what each one holds.
namespace quest_entry {
inline constexpr int kTreasure = 0;  // Чупакабра's treasure: 1 told, 2 found
inline constexpr int kGoblins = kQuestStateIndex[0];       // quest 1, the goblin tribe
inline constexpr int kCatacombs = kQuestStateIndex[1];     // quest 2, the hunter's catacombs
inline constexpr int kFirstClearedTier = 3;                // catacomb tier n is cleared in n + 2
inline constexpr int kWitch = kQuestStateIndex[2];         // quest 3, the witch's curse
inline constexpr int kKavi = kQuestStateIndex[3];          // quest 4, missing Кави
inline constexpr int kTombTold = 9;                        // the traveller told of the tomb
inline constexpr int kBracelet = kQuestStateIndex[4];      // quest 5, the bracelet
inline constexpr int kSwamp = kQuestStateIndex[5];         // quest 6, devils in the swamp
inline constexpr int kArtefactType = 12;                   // item type of the forest artefact
inline constexpr int kForestRiddle = kQuestStateIndex[6];  // quest 7, the forest riddle
inline constexpr int kTravellerMet = 14;  // Корнавин has greeted the hero once
}  // namespace quest_entry

inline constexpr int QuestTitleText(int quest) { return 2499 + 2 * quest; }
inline constexpr int QuestDescriptionText(int quest) { return 2500 + 2 * quest; }

}  // namespace zaldrun
