#pragma once

#include <vector>

#include "framework/platform/platform.h"

// One key code with its shift state, as OnKey and the menu key search see it.
struct vKeyStroke {
    int code = 0;
    int shift = 0;
};

// Turns a raw key or text event into key codes. A key-down of a key in the
// translation table (Home, arrows, Page Up/Down, End, Insert, Delete, F1..F16) gives
// its code; Tab, Enter, Backspace and Escape, Control with a letter, and typed text
// give characters. Shift state: vModShift and vModControl; Tab with Shift becomes
// vKeyBackTab, and for any other code below 32 the Control bit is dropped.
std::vector<vKeyStroke> vTranslateKey(const vPlatformEvent& event);

// The code of Control with a letter, upper or lower case ('O' gives 15); it comes
// with no Control bit in its shift state.
constexpr int vControlCode(char letter) { return (letter | 0x20) - 'a' + 1; }
