// The creatures that answer when talked to, each a small dialogue over the quest states; and the
// demon-summoner's scene, which runs as a timed event from its own event slot.
#pragma once

namespace zaldrun {

struct Game;

// The village and the town (village_folk.cpp).
void Muzhik(Game& game, int slot);   // a villager
void Kva(Game& game, int slot);      // the bewitched frog
void Chukcha(Game& game, int slot);  // a goblin
void Trader(Game& game, int slot);   // Тазар and the town's trader: the bill
void Fermer(Game& game, int slot);   // Негиф: bread
void Lekar(Game& game, int slot);    // Дарон: healing, potions, reading, the tablet
void Priest(Game& game, int slot);   // the temple: the status of items, holy water

// The quest givers (elder.cpp, quest_givers.cpp).
void Starosta(Game& game, int slot);  // Браннус: the goblins, Кави, the swamp
void Ohotnik(Game& game, int slot);   // Каргуд: the catacombs
void Gobagoba(Game& game, int slot);  // the goblin chief: the witch's curse
void Dedok(Game& game, int slot);     // old Чупакабра: Чазор's treasure
void Balbes(Game& game, int slot);    // Кычкыдум: the bracelet
void Kornavin(Game& game, int slot);  // the traveller: Кави and the tomb

// The scene in Аракус's hall (arak_scene.cpp); ends by renaming its slot to "CheckAra".
void ArakTalk(Game& game);

}  // namespace zaldrun
