#pragma once

#include "framework/menus/menu_model.h"
#include "framework/window/view.h"

// One open popup menu: a floating view listing a slot's items with their check marks,
// key labels, submenu arrows and graying. The menu pane owns it and routes input to it.
class vMenuPopup : public vView {
public:
    static constexpr int kItemHeight = 18;
    static constexpr int kSeparatorHeight = 8;
    static constexpr int kCheckColumn = 18;
    static constexpr int kArrowColumn = 16;

    vMenuPopup(const vMenuModel& model, int slot);

    int SlotIndex() const { return slot_; }
    const vMenuSlot& Slot() const { return model_.Slot(slot_); }
    int Hot() const { return hot_; }
    void SetHot(int index);
    // The item under a point relative to the popup, or -1 (separators count as none).
    int ItemAt(int y) const;
    int ItemTop(int index) const;
    // The next selectable item from hot in direction (+1 down, -1 up), wrapping.
    int NextSelectable(int from, int direction) const;
    // The first item whose mnemonic is letter, or -1.
    int ItemWithMnemonic(char letter) const;

    // The size the items need.
    static int WidthFor(const vMenuSlot& slot, vTextRenderer* text);
    static int HeightFor(const vMenuSlot& slot);

    void Paint() override;

private:
    void PaintItem(class vDC& dc, int index);

    const vMenuModel& model_;
    int slot_;
    int hot_ = -1;
};

// The letter after "&" in a label, lower case, or 0.
