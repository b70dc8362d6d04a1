#pragma once

// One record of a menu table; an array of them ends with a record whose label is null.
// The menu bar itself is such an array whose records name a label and a submenu.
struct MenuItem {
    const char* label = nullptr;  // "&" marks the mnemonic letter
    int id = 0;                   // vMenuSeparatorId makes a separator
    int flags = 0;                // vMenuSensitive, vMenuChecked
    const char* keyLabel = nullptr;
    int key = 0;                  // a key code that chooses the item (0: none)
    const MenuItem* submenu = nullptr;
    int keyShift = 0;             // vModShift, vModControl
};

inline constexpr int vMenuSensitive = 0x1;
inline constexpr int vMenuChecked = 0x2;
