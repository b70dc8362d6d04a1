#include "framework/controls/control_size.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "framework/controls/record_items.h"
#include "framework/draw/icon.h"
#include "framework/look/mnemonic.h"
#include "framework/look/text_width.h"

namespace {

vControlSize Fixed(int width, int height) { return {width, height, height, 0}; }

const vIcon* IconOf(const CommandObject& record) {
    const vIcon* icon = static_cast<const vIcon*>(record.items);
    return icon && icon->bits && icon->width > 0 && icon->height > 0 ? icon : nullptr;
}

vControlSize LabelSize(const CommandObject& record, std::string_view text, int parentKind) {
    int width = vDialogTextWidth(text) + 8;
    if (record.size > 0) {
        width = record.size;
    } else if ((record.attributes & AttrMessage) && text.size() < 20) {
        width = 88;
    }
    if (record.type == ctSpacer || parentKind == vParentStatusBar) return {width, 11, 9, 2};
    return {width, 14, 11, 3};
}

vControlSize IconSize(const CommandObject& record, std::string_view text, int parentKind) {
    if (const vIcon* icon = IconOf(record)) return Fixed(icon->width / 2 + 14, icon->height / 2 + 6);
    return LabelSize(record, text, parentKind);
}

vControlSize ButtonSize(const CommandObject& record, std::string_view text) {
    bool textButton = record.type == ctButton || record.type == ctToggleButton;
    if (textButton) return Fixed(std::max(vCountNonAmpersands(text) * 4 + 10, record.size), 14);
    if (record.size > 0) return Fixed(record.size, record.size);
    bool iconButton = record.type == ctIconButton || record.type == ctToggleIconButton;
    if (iconButton) {
        if (const vIcon* icon = IconOf(record)) return Fixed(icon->width / 2 + 5, icon->height / 2 + 5);
    }
    return Fixed(vCountNonAmpersands(text) * 4 + 10, 14);
}

vControlSize TextInSize(const CommandObject& record, std::string_view text) {
    int n = 20;
    if (record.size > 0) n = record.size;
    else if (record.attributes & AttrSmall) n = 10;
    else if (record.attributes & AttrLarge) n = 35;
    if (static_cast<int>(text.size()) > n) n = static_cast<int>(text.size()) + 6;
    return Fixed(n * 4 + 6, 14);
}

vControlSize TextSize(const CommandObject& record, std::string_view text) {
    int lines = 1;
    size_t longest = 0, lineStart = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            longest = std::max(longest, i - lineStart);
            lineStart = i + 1;
            if (i < text.size()) ++lines;
        }
    }
    int width = record.size > 0 ? record.size : static_cast<int>(longest) * 4 + 3;
    return Fixed(width, lines * 11 + 1);
}

int DecimalLength(int value) { return static_cast<int>(std::to_string(value).size()); }

int LongestItem(const char* const* items) {
    size_t longest = 0;
    for (int i = 0; items && items[i]; ++i) longest = std::max(longest, std::string_view(items[i]).size());
    return static_cast<int>(longest);
}

// The value field plus its arrow bar, 10 units wide.
vControlSize SpinnerSize(const CommandObject& record) {
    int chars = 6;
    if (record.attributes & AttrTextItems) {
        chars = LongestItem(static_cast<const char* const*>(record.items));
    } else if (const int* range = static_cast<const int*>(record.items)) {
        chars = std::max(DecimalLength(range[0]), DecimalLength(range[1])) + 1;
    }
    int field = chars * 4 + 2;
    if (record.attributes & AttrLarge) field = field * 3 / 2;
    if (record.size > 0 && record.size < 2048) field = record.size;
    return Fixed(field + 10, 14);
}

// A closed combo box is a field and a drop arrow, sized like a spinner over its items.
vControlSize ComboBoxSize(const CommandObject& record) {
    int field = LongestItem(static_cast<const char* const*>(record.items)) * 4 + 6;
    if (record.attributes & AttrLarge) field = field * 3 / 2;
    if (record.size > 0) field = record.size;
    return Fixed(field + 10, 14);
}

vControlSize ListSize(const CommandObject& record) {
    int rows = ListVisibleRows(record.attributes);
    int width = record.size > 0 ? record.size
                                : LongestItem(static_cast<const char* const*>(record.items)) * 4 + 14;
    return Fixed(std::max(width, 40), rows * vListRowHeight + 4);
}

vControlSize BarSize(const CommandObject& record, int defaultHeight) {
    int width = record.size > 0 ? record.size : ((record.attributes & AttrLarge) ? 150 : 100);
    return Fixed(width, defaultHeight);
}

}  // namespace

bool IsKnownControlType(int type) {
    switch (type) {
    case ctSpacer: case ctBoxedLabel: case ctButton: case ctCheckBox: case ctColorButton:
    case ctColorLabel: case ctComboBox: case ctFrame: case ctIcon: case ctIconButton:
    case ctLabel: case ctList: case ctProgressBar: case ctRadioButton: case ctSlider:
    case ctSpinner: case ctTextIn: case ctText: case ctToggleButton: case ctToggleFrame:
    case ctToggleIconButton:
        return true;
    default:
        return false;
    }
}

vControlSize MeasureControl(const CommandObject& record, std::string_view text, int parentKind) {
    switch (record.type) {
    case ctIcon: return IconSize(record, text, parentKind);
    case ctBoxedLabel: return Fixed(record.size >= 1 ? record.size : vDialogTextWidth(text) + 4, 11);
    case ctButton: case ctToggleButton: case ctColorButton: case ctIconButton:
    case ctToggleIconButton:
        return ButtonSize(record, text);
    case ctCheckBox: case ctRadioButton:
        return {static_cast<int>(text.size()) * 4 + 14, 14, 11, 2};
    case ctFrame: case ctToggleFrame: return Fixed(4, 4);
    case ctTextIn: return TextInSize(record, text);
    case ctText: return TextSize(record, text);
    case ctSpinner: return SpinnerSize(record);
    case ctComboBox: return ComboBoxSize(record);
    case ctList: return ListSize(record);
    case ctSlider: return BarSize(record, 14);
    case ctProgressBar: return BarSize(record, 11);
    default: return LabelSize(record, text, parentKind);
    }
}
