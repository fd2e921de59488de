#include "combat/grammar.hpp"

namespace zaldrun {

std::string PickByGender(int gender, std::string_view neuter, std::string_view feminine,
                         std::string_view masculine) {
  switch (gender) {
    case 0:
      return std::string(masculine);
    case 1:
      return std::string(feminine);
    case 2:
      return std::string(neuter);
    default:
      return std::string();
  }
}

}  // namespace zaldrun
