// Checks the handler names of item records against the item operations registry and the kind of
// item that names them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "records/item_record.hpp"

namespace zaldrun {

// The operations the inventory window calls on a chosen stack; never an item's effect handler.
bool IsGenericItemOperation(std::string_view name);

// Problems of one record's handler: unknown, missing where the category needs one, of another
// kind of item, or aimed differently from how the handler is called.
std::vector<std::string> CheckItemNames(const ItemDescription& description, int type);

}  // namespace zaldrun
