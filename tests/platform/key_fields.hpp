// Every field of a key in one line, so that one comparison checks a whole key and a failure
// shows all of it: "code=69 ch=U+0005 cp1251=5 ctrl".
#pragma once

#include <cstdio>
#include <string>

#include "platform/key.hpp"

namespace platform::testing {

inline std::string Fields(const Key& key) {
  char text[96];
  std::snprintf(text, sizeof text, "%scode=%d ch=U+%04X cp1251=%d%s%s%s x=%d y=%d",
                key.kind == KeyKind::kMouseClick     ? "click "
                : key.kind == KeyKind::kCloseRequest ? "close "
                : key.kind == KeyKind::kHangup       ? "hangup "
                                                     : "",
                key.code, static_cast<unsigned>(key.ch), key.cp1251, key.shift ? " shift" : "",
                key.ctrl ? " ctrl" : "", key.alt ? " alt" : "", key.x, key.y);
  return text;
}

}  // namespace platform::testing
