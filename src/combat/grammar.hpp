// The grammar of messages about creatures and things: word forms that agree with gender.
#pragma once

#include <string>
#include <string_view>

namespace zaldrun {

// gender 0 masculine, 1 feminine, 2 neuter; anything else gives an empty text.
std::string PickByGender(int gender, std::string_view neuter, std::string_view feminine,
                         std::string_view masculine);

}  // namespace zaldrun
