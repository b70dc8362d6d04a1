#include "framework/menus/menu_popup.h"

#include <algorithm>
#include <cctype>

#include "framework/look/dialog_units.h"
#include "framework/look/mnemonic.h"
#include "framework/look/paint.h"
#include "framework/look/system_colors.h"

namespace {

int LabelPixels(vTextRenderer* text, const std::string& label) {
    return vDialogTextPixels(text, vParseMnemonic(label).shown);
}

}  // namespace

vMenuPopup::vMenuPopup(const vMenuModel& model, int slot) : model_(model), slot_(slot) {}

int vMenuPopup::WidthFor(const vMenuSlot& slot, vTextRenderer* text) {
    int labels = 0, keys = 0;
    for (const vMenuEntry& entry : slot.entries) {
        labels = std::max(labels, LabelPixels(text, entry.label));
        if (!entry.keyLabel.empty()) keys = std::max(keys, LabelPixels(text, entry.keyLabel));
    }
    int gap = keys > 0 ? 24 : 0;
    return std::max(80, kCheckColumn + labels + gap + keys + kArrowColumn + 4);
}

int vMenuPopup::HeightFor(const vMenuSlot& slot) {
    int height = 4;
    for (const vMenuEntry& entry : slot.entries) height += entry.separator ? kSeparatorHeight : kItemHeight;
    return std::max(height, 4 + kItemHeight / 2);
}

int vMenuPopup::ItemTop(int index) const {
    int top = 2;
    const auto& entries = Slot().entries;
    for (int i = 0; i < index && i < static_cast<int>(entries.size()); ++i) {
        top += entries[i].separator ? kSeparatorHeight : kItemHeight;
    }
    return top;
}

int vMenuPopup::ItemAt(int y) const {
    const auto& entries = Slot().entries;
    int top = 2;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        int height = entries[i].separator ? kSeparatorHeight : kItemHeight;
        if (y >= top && y < top + height) return entries[i].separator ? -1 : i;
        top += height;
    }
    return -1;
}

int vMenuPopup::NextSelectable(int from, int direction) const {
    const auto& entries = Slot().entries;
    int count = static_cast<int>(entries.size());
    for (int step = 1; step <= count; ++step) {
        int i = ((from < 0 && direction < 0 ? count : from) + direction * step) % count;
        i = (i + count) % count;
        if (!entries[i].separator) return i;
    }
    return -1;
}

int vMenuPopup::ItemWithMnemonic(char letter) const {
    const auto& entries = Slot().entries;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        if (!entries[i].separator && vParseMnemonic(entries[i].label).Letter() == letter) return i;
    }
    return -1;
}

void vMenuPopup::SetHot(int index) {
    if (index == hot_) return;
    hot_ = index;
    Invalidate();
}

void vMenuPopup::Paint() {
    vViewDC dc(*this);
    vRect all{0, 0, Bounds().w, Bounds().h};
    vPaint::Fill(dc, all, vColorButtonFace);
    vPaint::RaisedEdge(dc, all);
    dc.UseFont(vDialogFont());
    for (int i = 0; i < static_cast<int>(Slot().entries.size()); ++i) PaintItem(dc, i);
}

void vMenuPopup::PaintItem(vDC& dc, int index) {
    const vMenuEntry& entry = Slot().entries[index];
    int top = ItemTop(index), width = Bounds().w;
    if (entry.separator) {
        vPaint::HLine(dc, 3, top + 3, width - 6, vColorButtonShadow);
        vPaint::HLine(dc, 3, top + 4, width - 6, vColorButtonHighlight);
        return;
    }
    bool hot = index == hot_;
    vRect row{3, top, width - 6, kItemHeight};
    if (hot) vPaint::Fill(dc, row, vColorSelection);
    vColor ink = hot ? vColorSelectionText : vColorWindowText;
    int textTop = top + (kItemHeight - vPaint::LineHeight(dc)) / 2;
    auto write = [&](int x, const std::string& text, bool mnemonic) {
        if (!entry.sensitive && !hot) {
            if (mnemonic) vPaint::MnemonicText(dc, x + 1, textTop + 1, text, vColorButtonHighlight, true);
            else vPaint::Text(dc, x + 1, textTop + 1, text, vColorButtonHighlight);
        }
        vColor color = entry.sensitive ? ink : vColorGrayText;
        if (mnemonic) vPaint::MnemonicText(dc, x, textTop, text, color, true);
        else vPaint::Text(dc, x, textTop, text, color);
    };
    if (entry.checked) vPaint::CheckMark(dc, {4, top + 3, kCheckColumn - 6, kItemHeight - 6}, entry.sensitive ? ink : vColorGrayText);
    write(kCheckColumn + 2, entry.label, true);
    if (!entry.keyLabel.empty()) {
        write(width - kArrowColumn - vPaint::TextWidth(dc, entry.keyLabel), entry.keyLabel, false);
    }
    if (entry.submenu >= 0) {
        vPaint::Arrow(dc, {width - kArrowColumn, top, kArrowColumn - 4, kItemHeight}, vPaint::vArrowRight,
                      entry.sensitive ? ink : vColorGrayText);
    }
}
