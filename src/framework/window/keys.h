#pragma once

// Key codes that OnKey and the menu key search see: a character code, or one of these.
enum vKeyCode : int {
    vKey_BackSpace = 8,
    vKey_Tab = 9,
    vKey_Return = 13,
    vKey_Escape = 27,
    vKey_Delete = 0x7F,
    vKey_BackTab = 0xFF09,  // Tab with Shift
    vKey_Home = 0xFF50,
    vKey_Left = 0xFF51,
    vKey_Up = 0xFF52,
    vKey_Right = 0xFF53,
    vKey_Down = 0xFF54,
    vKey_PageUp = 0xFF55,
    vKey_PageDown = 0xFF56,
    vKey_End = 0xFF57,
    vKey_Insert = 0xFF58,
    vKey_F1 = 0xFFC1,
    vKey_F16 = 0xFFD0,
};

// Shift state bits that accompany a key code.
enum vKeyShift : int { vShiftKey = 1, vControlKey = 4 };
