#pragma once

#include <vector>

#include "framework/controls/layout.h"

// The description a container's controls are realised from: one item per control,
// positions and sizes in dialog units. Items are stored as 16-bit values, so a control
// that starts or ends beyond them cannot be described.
class vDialogDescription {
public:
    static constexpr int kLargestUnit = 32767;
    static constexpr int kMostItems = 65535;

    struct Item {
        int type = 0;
        int id = 0;
        short x = 0, y = 0, width = 0, height = 0;
    };

    // False when the item cannot be described; the description is then unchanged.
    bool Add(const vControlPlace& place);
    // Takes a control's new place and size (a frame grown, a field widened); false when
    // it no longer fits.
    bool Update(const vControlPlace& place);

    const std::vector<Item>& Items() const { return items_; }
    void Clear() { items_.clear(); }

private:
    static bool Fits(const vControlPlace& place);

    std::vector<Item> items_;
};
