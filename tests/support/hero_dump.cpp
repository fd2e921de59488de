#include "support/hero_dump.hpp"

#include <sstream>

#include "model/game.hpp"

namespace zaldrun::testing {

std::string DescribeHero(const Game& game) {
  const Hero& h = game.world.hero;
  std::ostringstream out;
  out << "race " << int(h.race) << " class " << int(h.hero_class) << " weapon "
      << int(h.weapon_choice) << " missile " << int(h.missile_choice) << "\n";
  out << "hp " << h.hp << "/" << h.max_hp << " pp " << h.pp << "/" << h.max_pp << " level "
      << int(h.level) << " to next " << h.experience_to_next << " factor " << h.experience_factor
      << "\n";
  out << "attributes (natural/current):";
  for (int a = 0; a < kAttributeCount; ++a) {
    out << " " << h.attributes.natural[static_cast<size_t>(a)] << "/" << h.Current(a);
  }
  out << "\nspeed " << h.speed_base << "+" << h.speed_bonus << " defence " << h.defence
      << " to-hit " << h.to_hit << " sight " << int(h.sight_radius) << " carry " << h.max_weight
      << " damage x" << h.damage_factor << " per level hp " << h.hp_per_level << " pp "
      << h.pp_per_level << " sp " << int(h.skill_points_per_level) << " price x" << h.price_factor
      << "\nregen " << h.regen_rate << " hunger x" << h.hunger_rate << " satiation " << h.satiation
      << " move " << h.move_cost << " action " << h.action_cost << " poison resistance "
      << int(h.poison_resistance) << "\nresistances:";
  for (int k = 1; k <= kDamageKinds; ++k) out << " " << h.resistance_base[static_cast<size_t>(k)];
  out << "\nskills:\n";
  for (int s = 1; s <= kSkillCount; ++s) {
    const Skill& skill = h.SkillAt(s);
    out << "  " << s << " " << skill.name << " " << skill.value << " rate " << skill.learning_rate
        << " cap " << int(skill.cap) << " combat " << skill.combat_value1 << "/"
        << skill.combat_value2 << "\n";
  }
  out << "events:";
  for (int i = 1; i <= game.world.event_count; ++i) {
    const EventSlot& e = game.world.events[static_cast<size_t>(i)];
    out << " " << e.name << "(" << e.countdown << "," << e.parameter << ")";
  }
  out << "\n";
  return out.str();
}

}  // namespace zaldrun::testing
