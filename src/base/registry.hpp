// Dispatch by name: a sorted constant table of {name, handler} that data files refer to.
// A name may be listed before its handler is built; such an entry has no function yet.
#pragma once

#include <algorithm>
#include <span>
#include <string_view>

#include "base/byte_record.hpp"

namespace zaldrun {

template <typename Fn>
struct RegistryEntry {
  std::string_view name;
  Fn fn;
};

template <typename Fn>
class Registry {
 public:
  using Entry = RegistryEntry<Fn>;

  // The entries must be sorted by name (checked by the registry tests).
  constexpr explicit Registry(std::span<const Entry> entries) : entries_(entries) {}

  // Looks a stored name up after cutting its trailing blanks; nullptr when unknown.
  const Entry* Find(std::string_view stored_name) const {
    const std::string_view name = TrimRight(stored_name);
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), name,
                                     [](const Entry& e, std::string_view n) { return e.name < n; });
    if (it == entries_.end() || it->name != name) return nullptr;
    return &*it;
  }
  bool Contains(std::string_view stored_name) const { return Find(stored_name) != nullptr; }

  std::span<const Entry> entries() const { return entries_; }
  constexpr bool IsSorted() const {
    return std::is_sorted(entries_.begin(), entries_.end(),
                          [](const Entry& a, const Entry& b) { return a.name < b.name; });
  }

 private:
  std::span<const Entry> entries_;
};

}  // namespace zaldrun
