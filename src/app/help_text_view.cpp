#include "app/help_text_view.h"

#include <algorithm>
#include <cstdint>

#include "framework/controls/cmd_parent.h"
#include "framework/look/paint.h"
#include "framework/look/system_colors.h"
#include "framework/platform/platform.h"

namespace {

// Dialog units: an average character is 4 wide, a row of text 10 high.
constexpr int kCharUnits = 4;
constexpr int kRowUnits = 10;
constexpr int kBarUnits = 10;
constexpr int kMarginUnits = 3;
constexpr int kWheelRows = 3;
constexpr int kFewestColumns = 40;
// The widest text that is read without turning the head.
constexpr int kWidestColumns = 100;

int LongestLine(std::string_view text) {
    size_t longest = 0, start = 0;
    while (start <= text.size()) {
        size_t end = std::min(text.find('\n', start), text.size());
        longest = std::max(longest, end - start);
        start = end + 1;
    }
    return int(std::min<size_t>(longest, INT32_MAX));
}

}  // namespace

HelpTextView::HelpTextView(vCmdParent* parent, const CommandObject& record, std::string_view text, int roomWidth,
                           int roomHeight)
    : vFocusableCmd(parent, record),
      bar_(false, [this](vScrollAction action, int position) { OnScroll(action, position); }) {
    int maxColumns = std::clamp((roomWidth - 2 * kMarginUnits - kBarUnits) / kCharUnits, 1, kWidestColumns);
    columns_ = std::clamp(LongestLine(text), std::min(kFewestColumns, maxColumns), maxColumns);
    SetText(text);
    int maxRows = std::max((roomHeight - 2 * kMarginUnits) / kRowUnits, 1);
    rows_ = std::clamp(int(lines_.size()), 1, maxRows);
}

void HelpTextView::SetText(std::string_view text) {
    lines_.clear();
    top_ = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = std::min(text.find('\n', start), text.size());
        AddWrapped(text.substr(start, end - start));
        start = end + 1;
    }
    Changed();
}

// Breaks after the last blank that keeps a piece within the columns; a word longer
// than a row is cut at the edge.
void HelpTextView::AddWrapped(std::string_view line) {
    size_t width = size_t(columns_);
    while (line.size() > width) {
        size_t blank = line.rfind(' ', width);
        size_t cut = blank == std::string_view::npos || blank == 0 ? width : blank;
        lines_.emplace_back(line.substr(0, cut));
        line.remove_prefix(cut);
        if (!line.empty() && line.front() == ' ' && cut == blank) line.remove_prefix(1);
    }
    lines_.emplace_back(line);
}

vControlSize HelpTextView::Measure() const {
    int width = columns_ * kCharUnits + 2 * kMarginUnits + kBarUnits;
    int height = rows_ * kRowUnits + 2 * kMarginUnits;
    return {width, height, height, 0};
}

vRect HelpTextView::ScrollBarArea() const {
    vRect r = PixelRect();
    int width = parent_->Units().X(kBarUnits);
    return {r.x + r.w - 2 - width, r.y + 2, width, r.h - 4};
}

vRect HelpTextView::TextArea() const {
    vRect r = PixelRect();
    const vDialogUnits& units = parent_->Units();
    return {r.x + units.X(kMarginUnits), r.y + units.Y(kMarginUnits), ScrollBarArea().x - r.x - units.X(kMarginUnits),
            r.h - 2 * units.Y(kMarginUnits)};
}

int HelpTextView::LastTopRow() const { return std::max(0, int(lines_.size()) - rows_); }

void HelpTextView::ScrollTo(int row) {
    top_ = std::clamp(row, 0, LastTopRow());
    Changed();
}

void HelpTextView::OnScroll(vScrollAction action, int position) {
    switch (action) {
    case vScrollAction::StepBack: ScrollTo(top_ - 1); break;
    case vScrollAction::StepForward: ScrollTo(top_ + 1); break;
    case vScrollAction::PageBack: ScrollTo(top_ - rows_); break;
    case vScrollAction::PageForward: ScrollTo(top_ + rows_); break;
    case vScrollAction::ThumbTrack:
    case vScrollAction::ThumbPosition: ScrollTo(position); break;
    case vScrollAction::JumpStart: ScrollTo(0); break;
    case vScrollAction::JumpEnd: ScrollTo(LastTopRow()); break;
    case vScrollAction::EndScroll: Changed(); break;
    }
}

vScrollTrack& HelpTextView::SyncedBar() {
    int count = int(lines_.size());
    bar_.SetArea(ScrollBarArea());
    bar_.SetRange(std::max(count, 1));
    bar_.SetValues(std::min(rows_, count), top_);
    bar_.SetEnabled(enabled_ && count > rows_);
    return bar_;
}

void HelpTextView::OnPointerDown(int x, int y, int) {
    if (x < ScrollBarArea().x) return;
    if (SyncedBar().Press(1, x, y) && bar_.IsRepeating()) parent_->HoldTicks(true);
    Changed();
}

void HelpTextView::OnPointerDrag(int x, int y) {
    if (!bar_.IsPressed()) return;
    SyncedBar().Move(x, y);
    Changed();
}

void HelpTextView::OnPointerUp(int, int) { SyncedBar().Release(); }

void HelpTextView::OnPointerCancel() {
    bar_.Cancel();
    Changed();
}

void HelpTextView::OnPointerHeld() { SyncedBar().Repeat(); }

bool HelpTextView::OnKeyDown(int key, int) {
    switch (key) {
    case vKeyUp: ScrollTo(top_ - 1); break;
    case vKeyDown: ScrollTo(top_ + 1); break;
    case vKeyPageUp: ScrollTo(top_ - rows_); break;
    case vKeyPageDown: ScrollTo(top_ + rows_); break;
    case vKeyHome: ScrollTo(0); break;
    case vKeyEnd: ScrollTo(LastTopRow()); break;
    default: return false;
    }
    return true;
}

bool HelpTextView::OnWheel(int notches) {
    ScrollTo(top_ - kWheelRows * notches);
    return true;
}

void HelpTextView::Paint(vDC& dc) {
    vRect r = PixelRect();
    vPaint::Fill(dc, r, vColorWindowBack);
    vPaint::SunkenEdge(dc, r);
    vRect area = TextArea();
    int rowHeight = parent_->Units().Y(kRowUnits);
    int last = std::min(int(lines_.size()), top_ + rows_);
    for (int row = top_; row < last; ++row) {
        vPaint::Text(dc, area.x, area.y + (row - top_) * rowHeight, vPaint::Clipped(dc, lines_[row], area.w),
                     vColorWindowText);
    }
    SyncedBar().Paint(dc);
}
