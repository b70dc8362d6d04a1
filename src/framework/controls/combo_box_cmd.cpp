#include "framework/controls/combo_box_cmd.h"

#include <algorithm>

#include "framework/controls/cmd_parent.h"
#include "framework/controls/record_items.h"
#include "framework/look/paint.h"
#include "framework/look/system_colors.h"
#include "framework/platform/platform.h"

vComboBoxCmd::vComboBoxCmd(vCmdParent* parent, const CommandObject& record) : vFocusableCmd(parent, record) {
    LoadItems();
    value_ = items_.empty() ? -1 : std::clamp(record.value, 0, static_cast<int>(items_.size()) - 1);
}

void vComboBoxCmd::LoadItems() {
    items_.clear();
    const char* const* texts = TextItemsOf(record_);
    for (int i = 0; texts && texts[i]; ++i) items_.emplace_back(texts[i]);
}

void vComboBoxCmd::StartUp() {
    vCmd::StartUp();
    open_ = false;
    LoadItems();
    value_ = std::min(value_, static_cast<int>(items_.size()) - 1);
}

void vComboBoxCmd::Apply(int value, int kind) {
    if (kind == StateItems || kind == StateNewItems) LoadItems();
    if (kind == StateItems || kind == StateNewItems || kind == StateValue || kind == StateChecked) {
        value_ = items_.empty() ? -1 : std::clamp(value, 0, static_cast<int>(items_.size()) - 1);
        Changed();
        return;
    }
    vCmd::Apply(value, kind);
}

void vComboBoxCmd::OnNotify(int code, int extra) {
    if (code == vNotifySelectionChanged) Send(value_);
    else vCmd::OnNotify(code, extra);
}

void vComboBoxCmd::Choose(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size()) || index == value_) return;
    value_ = index;
    hot_ = index;
    int rows = std::min(kMostDroppedRows, static_cast<int>(items_.size()));
    if (value_ < first_) first_ = value_;
    if (value_ >= first_ + rows) first_ = value_ - rows + 1;
    Changed();
    OnNotify(vNotifySelectionChanged, 0);
}

void vComboBoxCmd::SetOpen(bool open) {
    if (open && items_.empty()) open = false;
    if (open_ == open) return;
    open_ = open;
    hot_ = value_;
    int rows = std::min(kMostDroppedRows, static_cast<int>(items_.size()));
    first_ = std::clamp(value_ - rows + 1, 0, std::max(0, static_cast<int>(items_.size()) - rows));
    Changed();
}

int vComboBoxCmd::RowHeight() const { return std::max(1, parent_->Units().Y(vListRowHeight)); }

// Below the field when it fits in the container, else above it.
vRect vComboBoxCmd::DropArea() const {
    vRect r = PixelRect();
    int rows = std::min(kMostDroppedRows, static_cast<int>(items_.size()));
    int height = rows * RowHeight() + 2;
    int top = r.y + r.h;
    if (top + height > parent_->ClientPixelHeight() && r.y - height >= 0) top = r.y - height;
    return {r.x, top, r.w, height};
}

bool vComboBoxCmd::OverlayContains(int x, int y) const {
    vRect d = DropArea();
    return open_ && x >= d.x && y >= d.y && x < d.x + d.w && y < d.y + d.h;
}

int vComboBoxCmd::DroppedRowAt(int y) const {
    vRect d = DropArea();
    int row = (y - d.y - 1) / RowHeight();
    if (y < d.y || row < 0 || row >= std::min(kMostDroppedRows, static_cast<int>(items_.size()))) return -1;
    return first_ + row;
}

void vComboBoxCmd::OnPointerDown(int x, int y, int) {
    openedByThisPress_ = false;
    if (open_ && OverlayContains(x, y)) {
        hot_ = DroppedRowAt(y);
        return;
    }
    openedByThisPress_ = !open_;
    SetOpen(!open_);
}

void vComboBoxCmd::OnPointerDrag(int x, int y) {
    if (!open_) return;
    int row = OverlayContains(x, y) ? DroppedRowAt(y) : -1;
    if (row != hot_) {
        hot_ = row;
        Changed();
    }
}

void vComboBoxCmd::OnPointerUp(int x, int y) {
    if (!open_) return;
    if (OverlayContains(x, y)) {
        int row = DroppedRowAt(y);
        SetOpen(false);
        Choose(row);
    } else if (!openedByThisPress_) {
        SetOpen(false);
    }
}

bool vComboBoxCmd::OnKeyDown(int key, int) {
    int last = static_cast<int>(items_.size()) - 1;
    switch (key) {
    case vKeyUp: Choose(std::max(0, value_ - 1)); return true;
    case vKeyDown: Choose(std::min(last, value_ + 1)); return true;
    case vKeyEscape:
        if (!open_) return false;
        SetOpen(false);
        return true;
    case vKeyReturn:
        if (!open_) return false;
        SetOpen(false);
        return true;
    default: return false;
    }
}

void vComboBoxCmd::OnFocusChange(bool gained) {
    if (!gained) SetOpen(false);
    Changed();
}

void vComboBoxCmd::Paint(vDC& dc) {
    vRect r = PixelRect();
    int buttonWidth = parent_->Units().X(10);
    vRect field{r.x, r.y, r.w - buttonWidth, r.h}, button{r.x + r.w - buttonWidth, r.y, buttonWidth, r.h};
    vPaint::Fill(dc, field, enabled_ ? vColorWindowBack : vColorButtonFace);
    vPaint::SunkenEdge(dc, field);
    vColor ink = enabled_ ? vColorWindowText : vColorGrayText;
    if (value_ >= 0 && value_ < static_cast<int>(items_.size())) {
        int top = field.y + (field.h - vPaint::LineHeight(dc)) / 2;
        vPaint::Text(dc, field.x + 3, top, vPaint::Clipped(dc, items_[value_], field.w - 6), ink);
    }
    if (HasFocus() && parent_->ContainerHasFocus()) {
        vPaint::DottedFrame(dc, {field.x + 2, field.y + 2, field.w - 4, field.h - 4});
    }
    vPaint::Fill(dc, button, vColorButtonFace);
    if (open_) vPaint::Frame(dc, button, vColorButtonShadow);
    else vPaint::RaisedEdge(dc, button);
    vPaint::Arrow(dc, button, vPaint::vArrowDown, ink);
}

void vComboBoxCmd::PaintOverlay(vDC& dc) {
    vRect d = DropArea();
    vPaint::Fill(dc, d, vColorWindowBack);
    vPaint::Frame(dc, d, vColorWindowText);
    int rows = std::min(kMostDroppedRows, static_cast<int>(items_.size()));
    for (int i = 0; i < rows; ++i) {
        int index = first_ + i;
        vRect row{d.x + 1, d.y + 1 + i * RowHeight(), d.w - 2, RowHeight()};
        bool hot = index == hot_;
        if (hot) vPaint::Fill(dc, row, vColorSelection);
        vPaint::Text(dc, row.x + 2, row.y + (row.h - vPaint::LineHeight(dc)) / 2,
                     vPaint::Clipped(dc, items_[index], row.w - 4), hot ? vColorSelectionText : vColorWindowText);
    }
}
