// The character record: the text file <name>.txt that a game ended unsaved leaves beside the
// program — the level as the hero saw it last, how the game ended, his figures, attributes,
// equipment, pack, skills and the monsters he killed.
#pragma once

#include <string>

namespace zaldrun {

struct Game;

// What completes "Вася, Человек Воин, ___.": the phrase of an end reason; reasons 2 and 3 name the
// monster type responsible (3 with type -5: the poison gas of a trap).
std::string EndReasonPhrase(const Game& game, int reason, int monster_type);

// The record's text, lines ending in "\n". Every item listed is made fully known, and stays so.
std::string CharacterRecordText(Game& game);

// Writes the record beside the program as <hero name>.txt, or, when an earlier hero of that name
// left his there, as "<hero name> (2).txt" and so on; the name taken goes to *file_name. False,
// with the reason in *error, when it could not be written.
bool WriteCharacterRecord(Game& game, std::string* error, std::string* file_name = nullptr);

}  // namespace zaldrun
