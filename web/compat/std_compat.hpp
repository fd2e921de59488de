// What emscripten 3.1.6's C++ library lacks of the C++20 the game uses, from the compiler's
// built-ins; included before every source of the page.
#pragma once

#include <bit>
#include <version>

#if !defined(__cpp_lib_bit_cast)
namespace std {
template <class To, class From>
constexpr To bit_cast(const From& from) noexcept {
  return __builtin_bit_cast(To, from);
}
}  // namespace std
#endif
