#include "framework/controls/list_cmd.h"

#include <algorithm>
#include <cctype>

#include "framework/controls/cmd_parent.h"
#include "framework/controls/record_items.h"
#include "framework/look/paint.h"
#include "framework/look/system_colors.h"
#include "framework/platform/platform.h"

vListCmd::vListCmd(vCmdParent* parent, const CommandObject& record)
    : vFocusableCmd(parent, record), bar_(false, [this](vScrollAction action, int position) { OnScroll(action, position); }) {
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
    if (code != vNotifySelectionChanged && code != vNotifyActivated) return vCmd::OnNotify(code, extra);
    activation_ = code == vNotifyActivated;
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
    if (send && changed && value_ >= 0) OnNotify(vNotifySelectionChanged, 0);
}

int vListCmd::VisibleRows() const {
    return std::max(1, RowsArea().h / std::max(1, parent_->Units().Y(vListRowHeight)));
}

void vListCmd::KeepSelectionVisible() {
    int rows = VisibleRows();
    if (value_ >= 0 && value_ < top_) top_ = value_;
    if (value_ >= top_ + rows) top_ = value_ - rows + 1;
    top_ = std::clamp(top_, 0, std::max(0, static_cast<int>(items_.size()) - rows));
}

int vListCmd::LastTopRow() const { return std::max(0, static_cast<int>(items_.size()) - VisibleRows()); }

void vListCmd::ScrollBy(int rows) { ScrollTo(top_ + rows); }

void vListCmd::ScrollTo(int row) {
    top_ = std::clamp(row, 0, LastTopRow());
    Changed();
}

void vListCmd::OnScroll(vScrollAction action, int position) {
    switch (action) {
    case vScrollAction::StepBack: ScrollBy(-1); break;
    case vScrollAction::StepForward: ScrollBy(1); break;
    case vScrollAction::PageBack: ScrollBy(-VisibleRows()); break;
    case vScrollAction::PageForward: ScrollBy(VisibleRows()); break;
    case vScrollAction::ThumbTrack:
    case vScrollAction::ThumbPosition: ScrollTo(position); break;
    case vScrollAction::JumpStart: ScrollTo(0); break;
    case vScrollAction::JumpEnd: ScrollTo(LastTopRow()); break;
    case vScrollAction::EndScroll: Changed(); break;
    }
}

vScrollTrack& vListCmd::SyncedBar() {
    int count = static_cast<int>(items_.size()), rows = VisibleRows();
    bar_.SetArea(ScrollBarArea());
    bar_.SetRange(std::max(count, 1));
    bar_.SetValues(std::min(rows, count), top_);
    bar_.SetEnabled(enabled_ && count > rows);
    return bar_;
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
    int row = (y - RowsArea().y) / std::max(1, parent_->Units().Y(vListRowHeight));
    return top_ + row;
}

void vListCmd::OnPointerDown(int x, int y, int clicks) {
    if (x >= ScrollBarArea().x) {
        if (SyncedBar().Press(1, x, y) && bar_.IsRepeating()) parent_->HoldTicks(true);
        Changed();
        return;
    }
    int row = RowAt(y);
    if (row < 0 || row >= static_cast<int>(items_.size())) return;
    Select(row, true);
    if (clicks >= 2) OnNotify(vNotifyActivated, 0);
}

void vListCmd::OnPointerDrag(int x, int y) {
    if (bar_.IsPressed()) {
        SyncedBar().Move(x, y);
        Changed();
        return;
    }
    if (x >= ScrollBarArea().x) return;
    // Dragging past the ends scrolls the list along.
    int row = RowAt(y);
    Select(std::clamp(row, top_ - 1, top_ + VisibleRows()), true);
}

void vListCmd::OnPointerUp(int, int) { SyncedBar().Release(); }

void vListCmd::OnPointerCancel() {
    bar_.Cancel();
    Changed();
}

void vListCmd::OnPointerHeld() { SyncedBar().Repeat(); }

bool vListCmd::OnKeyDown(int key, int) {
    int rows = VisibleRows(), last = static_cast<int>(items_.size()) - 1;
    switch (key) {
    case vKeyUp: Select(std::max(0, value_ - 1), true); break;
    case vKeyDown: Select(std::min(last, value_ + 1), true); break;
    case vKeyPageUp: Select(std::max(0, value_ - rows), true); break;
    case vKeyPageDown: Select(std::min(last, std::max(0, value_) + rows), true); break;
    case vKeyHome: Select(0, true); break;
    case vKeyEnd: Select(last, true); break;
    case vKeyReturn:
        if (value_ < 0) return false;
        OnNotify(vNotifyActivated, 0);
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
    if (value_ >= 0) OnNotify(vNotifyActivated, 0);
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
    int rowHeight = std::max(1, parent_->Units().Y(vListRowHeight));
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
    SyncedBar().Paint(dc);
}
