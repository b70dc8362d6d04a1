#include "framework/controls/list_cmd.h"

#include <algorithm>
#include <cctype>

#include "framework/controls/cmd_parent.h"
#include "framework/controls/record_items.h"
#include "framework/look/paint.h"
#include "framework/look/system_colors.h"
#include "framework/platform/platform.h"

vListCmd::vListCmd(vCmdParent* parent, const CommandObject& record) : vFocusableCmd(parent, record) {
    LoadFromRecord();
    value_ = items_.empty() ? -1 : std::clamp(record.value, -1, static_cast<int>(items_.size()) - 1);
}

void vListCmd::LoadFromRecord() {
    items_.clear();
    const char* const* texts = TextItemsOf(record_);
    for (int i = 0; texts && texts[i]; ++i) items_.emplace_back(texts[i]);
}

void vListCmd::SetItems(std::vector<std::string> items, int selection) {
    items_ = std::move(items);
    ownItems_ = true;
    top_ = 0;
    value_ = items_.empty() ? -1 : std::clamp(selection, -1, static_cast<int>(items_.size()) - 1);
    KeepSelectionVisible();
    Changed();
}

void vListCmd::StartUp() {
    vCmd::StartUp();
    if (!ownItems_) LoadFromRecord();
    value_ = std::min(value_, static_cast<int>(items_.size()) - 1);
    KeepSelectionVisible();
}

void vListCmd::Apply(int value, int kind) {
    switch (kind) {
    case StateNewItems:
        ownItems_ = false;
        [[fallthrough]];
    case StateItems:
        if (!ownItems_) LoadFromRecord();
        top_ = 0;
        [[fallthrough]];
    case StateValue:
    case StateChecked:
        Select(value, false);
        Changed();
        return;
    default:
        vCmd::Apply(value, kind);
    }
}

void vListCmd::OnNotify(int code, int extra) {
    if (code != nSelectionChanged && code != nActivated) return vCmd::OnNotify(code, extra);
    activation_ = code == nActivated;
    Send(value_);
    activation_ = false;
}

void vListCmd::Select(int index, bool send) {
    int last = static_cast<int>(items_.size()) - 1;
    int chosen = last < 0 ? -1 : std::clamp(index, -1, last);
    bool changed = chosen != value_;
    value_ = chosen;
    KeepSelectionVisible();
    Changed();
    if (send && changed && value_ >= 0) OnNotify(nSelectionChanged, 0);
}

int vListCmd::VisibleRows() const {
    return std::max(1, RowsArea().h / std::max(1, parent_->Units().Y(kListRowHeight)));
}

void vListCmd::KeepSelectionVisible() {
    int rows = VisibleRows();
    if (value_ >= 0 && value_ < top_) top_ = value_;
    if (value_ >= top_ + rows) top_ = value_ - rows + 1;
    top_ = std::clamp(top_, 0, std::max(0, static_cast<int>(items_.size()) - rows));
}

void vListCmd::ScrollBy(int rows) {
    int last = std::max(0, static_cast<int>(items_.size()) - VisibleRows());
    top_ = std::clamp(top_ + rows, 0, last);
    Changed();
}

// The scroll bar is always there, so rows never change width as the list fills.
vRect vListCmd::ScrollBarArea() const {
    vRect r = PixelRect();
    int width = parent_->Units().X(10);
    return {r.x + r.w - 2 - width, r.y + 2, width, r.h - 4};
}

vRect vListCmd::RowsArea() const {
    vRect r = PixelRect();
    return {r.x + 2, r.y + 2, r.w - 4 - ScrollBarArea().w, r.h - 4};
}

int vListCmd::RowAt(int y) const {
    int row = (y - RowsArea().y) / std::max(1, parent_->Units().Y(kListRowHeight));
    return top_ + row;
}

void vListCmd::OnPointerDown(int x, int y, int clicks) {
    if (x >= ScrollBarArea().x) return ScrollBarPress(y);
    int row = RowAt(y);
    if (row < 0 || row >= static_cast<int>(items_.size())) return;
    Select(row, true);
    if (clicks >= 2) OnNotify(nActivated, 0);
}

void vListCmd::OnPointerDrag(int x, int y) {
    vRect bar = ScrollBarArea();
    if (draggingThumb_) {
        int span = std::max(1, bar.h - 2 * bar.w);
        int last = std::max(0, static_cast<int>(items_.size()) - VisibleRows());
        top_ = std::clamp((y - bar.y - bar.w) * (last + 1) / span, 0, last);
        Changed();
        return;
    }
    if (heldScroll_ || x >= bar.x) return;
    // Dragging past the ends scrolls the list along.
    int row = RowAt(y);
    Select(std::clamp(row, top_ - 1, top_ + VisibleRows()), true);
}

void vListCmd::OnPointerCancel() {
    heldScroll_ = 0;
    draggingThumb_ = false;
}

void vListCmd::OnPointerHeld() {
    if (heldScroll_) ScrollBy(heldScroll_);
}

void vListCmd::ScrollBarPress(int y) {
    vRect bar = ScrollBarArea();
    if (y < bar.y + bar.w) heldScroll_ = -1;
    else if (y >= bar.y + bar.h - bar.w) heldScroll_ = 1;
    else draggingThumb_ = true;
    if (!heldScroll_) return OnPointerDrag(bar.x, y);
    ScrollBy(heldScroll_);
    parent_->HoldTicks(true);
}

bool vListCmd::OnKeyDown(int key, int) {
    int rows = VisibleRows(), last = static_cast<int>(items_.size()) - 1;
    switch (key) {
    case vKeyUpCode: Select(std::max(0, value_ - 1), true); break;
    case vKeyDownCode: Select(std::min(last, value_ + 1), true); break;
    case vKeyPageUpCode: Select(std::max(0, value_ - rows), true); break;
    case vKeyPageDownCode: Select(std::min(last, std::max(0, value_) + rows), true); break;
    case vKeyHomeCode: Select(0, true); break;
    case vKeyEndCode: Select(last, true); break;
    case vKeyReturn:
        if (value_ < 0) return false;
        OnNotify(nActivated, 0);
        break;
    default: return false;
    }
    return true;
}

bool vListCmd::OnWheel(int notches) {
    ScrollBy(-3 * notches);
    return true;
}

void vListCmd::Click() {
    if (value_ >= 0) OnNotify(nActivated, 0);
}

bool vListCmd::OnTextInput(std::string_view text) {
    if (text.size() != 1 || items_.empty()) return false;
    auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    int count = static_cast<int>(items_.size());
    for (int step = 1; step <= count; ++step) {
        int i = (std::max(value_, -1) + step) % count;
        if (!items_[i].empty() && lower(items_[i][0]) == lower(text[0])) {
            Select(i, true);
            return true;
        }
    }
    return true;
}

void vListCmd::Paint(vDC& dc) {
    vRect r = PixelRect();
    vPaint::Fill(dc, r, enabled_ ? vColorWindowBack : vColorButtonFace);
    vPaint::SunkenEdge(dc, r);
    vRect area = RowsArea();
    int rowHeight = std::max(1, parent_->Units().Y(kListRowHeight));
    int rows = VisibleRows();
    bool focused = HasFocus() && parent_->ContainerHasFocus();
    for (int i = 0; i < rows && top_ + i < static_cast<int>(items_.size()); ++i) {
        int index = top_ + i;
        vRect row{area.x, area.y + i * rowHeight, area.w, rowHeight};
        bool selected = index == value_;
        if (selected) vPaint::Fill(dc, row, focused ? vColorSelection : vColorButtonShadow);
        vColor ink = selected ? vColorSelectionText : (enabled_ ? vColorWindowText : vColorGrayText);
        vPaint::Text(dc, row.x + 2, row.y + (rowHeight - vPaint::LineHeight(dc)) / 2,
                     vPaint::Clipped(dc, items_[index], row.w - 4), ink);
    }
    PaintScrollBar(dc, ScrollBarArea());
}

void vListCmd::PaintScrollBar(vDC& dc, const vRect& bar) {
    vPaint::Fill(dc, bar, vPaint::kLight);
    vRect up{bar.x, bar.y, bar.w, bar.w}, down{bar.x, bar.y + bar.h - bar.w, bar.w, bar.w};
    bool scrolls = NeedsScrollBar();
    vColor ink = scrolls ? vColorWindowText : vColorGrayText;
    for (const vRect& box : {up, down}) {
        vPaint::Fill(dc, box, vColorButtonFace);
        vPaint::RaisedEdge(dc, box);
    }
    vPaint::Arrow(dc, up, vPaint::kArrowUp, ink);
    vPaint::Arrow(dc, down, vPaint::kArrowDown, ink);
    if (!scrolls) return;
    int span = bar.h - 2 * bar.w;
    int count = static_cast<int>(items_.size());
    int thumb = std::max(bar.w / 2, span * VisibleRows() / count);
    int last = count - VisibleRows();
    int offset = last > 0 ? (span - thumb) * top_ / last : 0;
    vRect box{bar.x, bar.y + bar.w + offset, bar.w, thumb};
    vPaint::Fill(dc, box, vColorButtonFace);
    vPaint::RaisedEdge(dc, box);
}
