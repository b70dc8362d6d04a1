#pragma once

#include "framework/window/command_ids.h"

// The records from which dialogs and command bars are built, one per control. Tables
// of them are constexpr arrays ended by a record of type ctEnd.

// Control type codes. Codes missing here (1, 8, 18, 20, above 26) are bad records.
enum ControlType {
    ctEnd = 0,
    ctSpacer = 2,
    ctBoxedLabel = 3,
    ctButton = 4,
    ctCheckBox = 5,
    ctColorButton = 6,
    ctColorLabel = 7,
    ctComboBox = 9,
    ctFrame = 10,
    ctIcon = 11,
    ctIconButton = 12,
    ctLabel = 13,
    ctList = 14,
    ctMenuItem = 15,
    ctProgressBar = 16,
    ctRadioButton = 17,
    ctSlider = 19,
    ctSpinner = 21,
    ctTextIn = 22,
    ctText = 23,
    ctToggleButton = 24,
    ctToggleFrame = 25,
    ctToggleIconButton = 26,
};

// Attribute bits of a record.
inline constexpr int AttrMessage = 0x1;
inline constexpr int AttrDefault = 0x2;
inline constexpr int AttrLarge = 0x4;
inline constexpr int AttrSmall = 0x8;
inline constexpr int AttrHidden = 0x10;
inline constexpr int AttrMasked = 0x100;
inline constexpr int AttrTextItems = 0x200;
inline constexpr int AttrNoBorder = 0x400;
inline constexpr int AttrNoSpace = 0x800;

struct CommandObject {
    int type = ctEnd;
    int id = 0;
    int value = 0;
    const char* title = nullptr;
    // Type-specific: a vIcon*, a spinner range (int[3]: minimum, maximum, step), a
    // null-ended array of texts, a replacement text, or a vColor*.
    const void* items = nullptr;
    int attributes = 0;
    int sensitive = 1;
    int frame = 0;
    int rightOf = 0;
    int below = 0;
    int size = 0;
    const char* tip = nullptr;
};
