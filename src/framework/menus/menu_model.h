#pragma once

#include <string>
#include <vector>

#include "framework/menus/menu_item.h"

// One built menu item.
struct vMenuEntry {
    std::string label;     // at most 99 characters
    std::string keyLabel;  // shown right-aligned after the label
    int id = 0;
    bool separator = false;
    bool sensitive = true;
    bool checked = false;
    int key = 0;
    int keyShift = 0;
    int submenu = -1;  // the slot of the popup it opens, or -1
};

// One popup menu: a top-level menu or a nested submenu.
struct vMenuSlot {
    std::string title;
    std::vector<vMenuEntry> entries;
};

// The menus of a window built from MenuItem tables: at most 20 popups (top-level and
// nested together), each item's text, check mark, sensitivity and key.
class vMenuModel {
public:
    static constexpr int kMostMenus = 20;
    static constexpr size_t kMostLabelChars = 99;

    // Copies the menu bar's (label, submenu) pairs; multiWindow adds the "&Window" menu
    // when room is left.
    vMenuModel(const MenuItem* menuBar, bool multiWindow);

    // Builds the popups from the copied pairs, in order, each nested submenu taking
    // the next free slot; a submenu finding no slot is left out.
    void Build();

    // The top-level menus, left to right, as slot indexes.
    const std::vector<int>& TopMenus() const { return top_; }
    const vMenuSlot& Slot(int index) const { return slots_[index]; }
    int SlotCount() const { return static_cast<int>(slots_.size()); }
    // Index of the "&Window" menu among the top-level menus: their count minus 1.
    int WindowMenuIndex() const { return static_cast<int>(top_.size()) - 1; }

    // The checked flag of the first item with that id; false when none has it.
    bool QueryValue(int id, int& value) const;
    // StateChecked and StateValue set the check mark, StateEnabled the sensitivity, of
    // every item with that id.
    void PutValue(int id, int value, int kind);
    // Every item with that id shows exactly text (no key label) from now on.
    void PutText(int id, const char* text);
    // The first sensitive item, in any menu, chosen by key with shift.
    bool FindKeyItem(int key, int shift, int& id) const;
    const vMenuEntry* FindItem(int id) const;

private:
    struct TopRecord {
        std::string label;
        const MenuItem* submenu;
    };

    int BuildSlot(const std::string& title, const MenuItem* items, int depth);
    static vMenuEntry MakeEntry(const MenuItem& item);
    template <typename F> void ForEachWithId(int id, F f);

    std::vector<TopRecord> records_;
    std::vector<vMenuSlot> slots_;
    std::vector<int> top_;
};
