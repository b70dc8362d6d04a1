#include "framework/controls/record_items.h"

vSpinRange SpinRangeOf(const CommandObject& record) {
    const int* words = static_cast<const int*>(record.items);
    if (!words) return {};
    return {words[0], words[1], words[2]};
}

const char* const* TextItemsOf(const CommandObject& record) {
    return static_cast<const char* const*>(record.items);
}

int CountTextItems(const char* const* items) {
    int count = 0;
    while (items && items[count]) ++count;
    return count;
}

int ListVisibleRows(int attributes) {
    if (attributes & AttrLarge) return 16;
    if (attributes & AttrSmall) return 4;
    return 8;
}
