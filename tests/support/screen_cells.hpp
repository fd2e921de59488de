// Where a text shows on the last screen of the headless front end, for clicks on it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "base/utf8.hpp"
#include "platform/headless/headless_frontend.hpp"

namespace zaldrun::testing {

// The cell (x, y) where `text` first starts, row by row from the top.
inline std::optional<std::pair<int, int>> CellOf(const platform::HeadlessFrontend& frontend,
                                                 std::string_view text) {
  const platform::Grid& grid = *frontend.last_grid();
  for (int y = 0; y < grid.height(); ++y) {
    const std::string row = grid.RowText(y);
    if (const size_t at = row.find(text); at != std::string::npos) {
      return std::pair{static_cast<int>(Utf8Length(row.substr(0, at))), y};
    }
  }
  return std::nullopt;
}

}  // namespace zaldrun::testing
