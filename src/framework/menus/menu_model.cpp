#include "framework/menus/menu_model.h"

#include "framework/window/command_ids.h"

namespace {

constexpr MenuItem kWindowMenu[] = {
    {"&Cascade", vCascadeId, vMenuSensitive},
    {"&Tile", vTileId, vMenuSensitive},
    {"&Arrange icons", vArrangeId, vMenuSensitive},
    {},
};

// Submenus nested deeper than this are cut off, so a table that names itself ends.
constexpr int kDeepestNesting = vMenuModel::kMostMenus;

std::string Cut(const char* text, size_t most) {
    std::string s = text ? text : "";
    if (s.size() > most) s.resize(most);
    return s;
}

}  // namespace

vMenuModel::vMenuModel(const MenuItem* menuBar, bool multiWindow) {
    for (int i = 0; menuBar && menuBar[i].label && i < kMostMenus; ++i) {
        records_.push_back({menuBar[i].label, menuBar[i].submenu});
    }
    if (multiWindow && static_cast<int>(records_.size()) < kMostMenus) records_.push_back({"&Window", kWindowMenu});
}

void vMenuModel::Build() {
    slots_.clear();
    top_.clear();
    for (const TopRecord& record : records_) {
        int slot = BuildSlot(record.label, record.submenu, 0);
        if (slot >= 0) top_.push_back(slot);
    }
}

vMenuEntry vMenuModel::MakeEntry(const MenuItem& item) {
    vMenuEntry entry;
    entry.id = item.id;
    entry.separator = item.id == vMenuSeparatorId;
    entry.label = Cut(item.label, kMostLabelChars);
    // The key label shares the label's 99 characters.
    if (item.keyLabel && *item.keyLabel) entry.keyLabel = Cut(item.keyLabel, kMostLabelChars - entry.label.size());
    entry.sensitive = (item.flags & vMenuSensitive) != 0;
    entry.checked = (item.flags & vMenuChecked) != 0;
    entry.key = item.key;
    entry.keyShift = item.keyShift;
    return entry;
}

int vMenuModel::BuildSlot(const std::string& title, const MenuItem* items, int depth) {
    if (static_cast<int>(slots_.size()) >= kMostMenus || depth > kDeepestNesting) return -1;
    int index = static_cast<int>(slots_.size());
    slots_.push_back({title, {}});
    for (int i = 0; items && items[i].label; ++i) {
        const MenuItem& item = items[i];
        vMenuEntry entry = MakeEntry(item);
        if (item.submenu && !entry.separator) {
            entry.submenu = BuildSlot(entry.label, item.submenu, depth + 1);
            if (entry.submenu < 0) continue;
        }
        slots_[index].entries.push_back(std::move(entry));
    }
    return index;
}

template <typename F>
void vMenuModel::ForEachWithId(int id, F f) {
    for (vMenuSlot& slot : slots_) {
        for (vMenuEntry& entry : slot.entries) {
            if (entry.id == id && !entry.separator) f(entry);
        }
    }
}

const vMenuEntry* vMenuModel::FindItem(int id) const {
    for (const vMenuSlot& slot : slots_) {
        for (const vMenuEntry& entry : slot.entries) {
            if (entry.id == id && !entry.separator) return &entry;
        }
    }
    return nullptr;
}

bool vMenuModel::QueryValue(int id, int& value) const {
    const vMenuEntry* entry = FindItem(id);
    if (!entry) return false;
    value = entry->checked ? 1 : 0;
    return true;
}

void vMenuModel::PutValue(int id, int value, int kind) {
    if (kind == StateChecked || kind == StateValue) {
        ForEachWithId(id, [value](vMenuEntry& e) { e.checked = (value & 1) != 0; });
    } else if (kind == StateEnabled) {
        ForEachWithId(id, [value](vMenuEntry& e) { e.sensitive = value != 0; });
    }
}

void vMenuModel::PutText(int id, const char* text) {
    ForEachWithId(id, [text](vMenuEntry& e) {
        e.label = Cut(text, kMostLabelChars);
        e.keyLabel.clear();
    });
}

bool vMenuModel::FindKeyItem(int key, int shift, int& id) const {
    if (key == 0) return false;
    for (const vMenuSlot& slot : slots_) {
        for (const vMenuEntry& entry : slot.entries) {
            if (entry.separator || !entry.sensitive || entry.submenu >= 0) continue;
            if (entry.key == key && entry.keyShift == shift) {
                id = entry.id;
                return true;
            }
        }
    }
    return false;
}
