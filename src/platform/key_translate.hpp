// Shared key translation of the front ends: typed characters to Windows-1251 bytes and key codes.
#pragma once

#include <cstdint>

namespace platform {

// The Windows-1251 byte of a typed character, or 0 when the code page has none.
uint8_t CharToCp1251(char32_t ch);
// The key code a typed character stands for when no key code is known: letters give their
// upper-case ASCII code, digits and the blank their own code; everything else 0.
int CodeForTypedChar(char32_t ch);
// The character a named key (Enter, Escape, Space, Backspace, Tab) stands for in text; 0 for the
// others.
char32_t NamedKeyChar(int code);

}  // namespace platform
