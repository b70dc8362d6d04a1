#pragma once

#include "framework/controls/command_object.h"

// Readers for the type-specific items pointer of a record.

// A spinner's numeric range. Both bounds 0 means the value is not limited.
struct vSpinRange {
    int minimum = 0;
    int maximum = 32767;
    int step = 1;
    bool Limited() const { return minimum != 0 || maximum != 0; }
};

// The record's range, or 0 to 32767 by 1 when it has none.
vSpinRange SpinRangeOf(const CommandObject& record);

// The null-ended text array of a list, a combo box or a spinner with text items.
const char* const* TextItemsOf(const CommandObject& record);
int CountTextItems(const char* const* items);

// Lists show a fixed number of rows, each vListRowHeight dialog units high.
inline constexpr int vListRowHeight = 9;
int ListVisibleRows(int attributes);
