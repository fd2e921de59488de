#include "records/handler_names.hpp"

#include <algorithm>

#include "base/byte_record.hpp"

namespace zaldrun {

namespace {

constexpr std::string_view kItemOperations[] = {
    "BoostSpeed", "CureConfuz",  "DetCurse",    "Dip",          "Drink",      "Drop",
    "Eat",        "IncrColdRes", "IncrFireRes", "IncrRegen",    "MysticLetter",
    "ParalyzWard", "Paralyze",   "PickUp",      "PutOn",        "Read",       "ReadyAmmo",
    "Recovery",   "SelectItem",  "VornsMsg",    "Wear",         "Wield",      "Zap",
    "eApple",     "eBone",       "eBread",      "eMagApple",    "eMeat",      "eMeatFr",
    "eMelon",     "eTail",       "eUho",        "hCarrot",      "hDarkB",     "hGob",
    "hHellRoot",  "hLeaf",       "hMoh",        "hOrc",         "hSeld",      "pCurePoison",
    "pDispel",    "pGAtr",       "pHeal",       "pHealEx",      "pRawMana",   "qVodka",
    "qWater",     "rBless",      "rCRM",        "rEducat",      "rFireBolt",  "rGainExp",
    "rIceRing",   "rStoneSkin",  "rTelek",      "sDC",          "sID",        "sRC",
    "wAcidS",     "wBreath",     "wInferno",    "wLBall",       "wMagicBite", "wOpen",
    "wParalyz",   "wSlow",
};

constexpr std::string_view kGenericOperations[] = {
    "Dip",    "Drink", "Drop", "Eat",        "PickUp", "PutOn",
    "Read",   "ReadyAmmo",     "SelectItem", "Wear",   "Wield", "Zap",
};

constexpr std::string_view kBehaviours[] = {
    "HoldStill",   // stands still while peaceful, else as StndAI
    "ShopKeeper",  // keeps its post at the shop door while peaceful, else as StndAI
    "StndAI",      // the standard behaviour: wakes, picks an action, approaches
};

// Timed handlers act on their event slot; talk handlers on the creature talked to (CurrentSlot).
constexpr std::string_view kEventHandlers[] = {
    "ArakTalk",    // the demon-summoner's scene in his hall; becomes "CheckAra"
    "Balbes",      // talk: Кычкыдум, the bracelet
    "CheckAra",    // waits for Аракус to die
    "CheckGobs",   // the goblin camp turns hostile together
    "CheckWitch",  // the witch of the cave is dead
    "Chukcha",     // talk: a goblin
    "Consumption", // hunger
    "CountMons",   // a catacomb level cleared
    "CreateMon",   // wandering monsters
    "DamageAtr",   // an attribute lowered
    "Dedok",       // talk: old Чупакабра and his ghost
    "DrainAtr",    // an attribute's base lowered
    "EnemyRegen",  // monsters heal, plants grow
    "Fermer",      // talk: Негиф the farmer
    "Gobagoba",    // talk: the goblin chief
    "Kornavin",    // talk: the traveller in the town
    "Kva",         // talk: the bewitched frog
    "Lekar",       // talk: Дарон the healer
    "Muzhik",      // talk: a villager
    "Ohotnik",     // talk: Каргуд the hunter
    "Priest",      // talk: the priest
    "RaiseAtr",    // an attribute raised
    "Regen",       // the hero heals, poison works
    "RemColdRes",  // cold protection ends
    "RemConfuse",  // confusion ends
    "RemFireRes",  // fire protection ends
    "RemParIm",    // paralysis resistance ends
    "RemSpeed",    // a speed change ends
    "RemWeak",     // weakness ends
    "Rvota",       // vomiting
    "SoftSkin",    // stone skin ends
    "Starosta",    // talk: Браннус the elder
    "TombTrap",    // the golem rooms of the tomb open
    "Trader",      // talk: a shopkeeper
    "UnBless",     // a blessing ends
};

// "ArakTalk" is a scene that runs from its event slot, so no creature may name it.
constexpr std::string_view kTalkHandlers[] = {
    "Balbes", "Chukcha", "Dedok",   "Fermer", "Gobagoba", "Kornavin", "Kva",
    "Lekar",  "Muzhik",  "Ohotnik", "Priest", "Starosta", "Trader",
};

// The generator calls "SpecRoom" + digit 1..3.
constexpr std::string_view kRooms[] = {"SpecRoom1", "SpecRoom2", "SpecRoom3"};

constexpr bool Sorted(std::span<const std::string_view> names) {
  return std::is_sorted(names.begin(), names.end());
}
static_assert(Sorted(kItemOperations) && Sorted(kGenericOperations) && Sorted(kBehaviours) &&
              Sorted(kEventHandlers) && Sorted(kTalkHandlers) && Sorted(kRooms));

}  // namespace

std::span<const std::string_view> ItemOperationNames() { return kItemOperations; }
std::span<const std::string_view> GenericItemOperationNames() { return kGenericOperations; }
std::span<const std::string_view> BehaviourNames() { return kBehaviours; }
std::span<const std::string_view> EventHandlerNames() { return kEventHandlers; }
std::span<const std::string_view> TalkHandlerNames() { return kTalkHandlers; }
std::span<const std::string_view> RoomNames() { return kRooms; }

bool ListsName(std::span<const std::string_view> names, std::string_view stored_name) {
  return std::binary_search(names.begin(), names.end(), TrimRight(stored_name));
}

}  // namespace zaldrun
