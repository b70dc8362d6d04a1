#include "framework/controls/text_in_cmd.h"

#include <algorithm>
#include <cstring>

#include "framework/controls/cmd_parent.h"
#include "framework/look/dialog_units.h"
#include "framework/look/paint.h"
#include "framework/look/system_colors.h"
#include "framework/platform/platform.h"

namespace {

// Byte offset of the n-th character of a UTF-8 text.
int OffsetOfChar(const std::string& text, int n) {
    int chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (chars == n) return static_cast<int>(i);
        ++chars;
    }
    return static_cast<int>(text.size());
}


}  // namespace

vTextInCmd::vTextInCmd(vCmdParent* parent, const CommandObject& record) : vCmd(parent, record) {
    // A longer initial title leaves the entry empty.
    if (text_.size() <= vTextEdit::kMaxChars) edit_.SetText(text_);
}

void vTextInCmd::StartUp() {
    vCmd::StartUp();
    edit_.SetText(text_.size() <= vTextEdit::kMaxChars ? text_ : std::string());
    firstVisible_ = 0;
    ScrollToCaret();
}

void vTextInCmd::SetLabel(const char* text) {
    edit_.SetText(text ? text : "");
    firstVisible_ = 0;
    ScrollToCaret();
    AfterEdit(true);
}

std::string vTextInCmd::Shown() const {
    if (!(record_.attributes & AttrMasked)) return edit_.Text();
    return std::string(edit_.CharsBefore(static_cast<int>(edit_.Text().size())), kMaskChar);
}

int vTextInCmd::ShownOffset(int offset) const {
    if (!(record_.attributes & AttrMasked)) return offset;
    return edit_.CharsBefore(offset);
}

vRect vTextInCmd::TextArea() const {
    vRect r = PixelRect();
    int inset = (record_.attributes & AttrNoBorder) ? 1 : 3;
    return {r.x + inset, r.y + inset, r.w - 2 * inset, r.h - 2 * inset};
}

int vTextInCmd::MeasureShown(int fromChar, int toChar) const {
    std::string shown = Shown();
    int from = OffsetOfChar(shown, fromChar), to = OffsetOfChar(shown, toChar);
    return vDialogTextPixels(parent_->TextRenderer(), std::string_view(shown).substr(from, to - from));
}

void vTextInCmd::ScrollToCaret() {
    int caretChar = edit_.CharsBefore(edit_.Caret());
    if (caretChar < firstVisible_) firstVisible_ = caretChar;
    int room = std::max(1, TextArea().w - 1);
    while (firstVisible_ < caretChar && MeasureShown(firstVisible_, caretChar) > room) ++firstVisible_;
    // Text that shrank is pulled back in, so the field never shows the caret alone.
    int total = edit_.CharsBefore(static_cast<int>(edit_.Text().size()));
    while (firstVisible_ > 0 && MeasureShown(firstVisible_ - 1, total) <= room) --firstVisible_;
}

int vTextInCmd::OffsetAt(int x) const {
    int relative = x - TextArea().x;
    int total = edit_.CharsBefore(static_cast<int>(edit_.Text().size()));
    int best = firstVisible_;
    for (int c = firstVisible_; c <= total; ++c) {
        int width = MeasureShown(firstVisible_, c);
        if (width > relative) {
            int previous = c > firstVisible_ ? MeasureShown(firstVisible_, c - 1) : 0;
            best = (relative - previous < width - relative) ? c - 1 : c;
            break;
        }
        best = c;
    }
    return OffsetOfChar(edit_.Text(), std::max(best, firstVisible_));
}

void vTextInCmd::OnPointerDown(int x, int, int clicks) {
    if (clicks >= 2) edit_.SelectAll();
    else edit_.MoveTo(OffsetAt(x), false);
    AfterMove();
}

void vTextInCmd::OnPointerDrag(int x, int) {
    edit_.MoveTo(OffsetAt(x), true);
    AfterMove();
}

bool vTextInCmd::OnKeyDown(int key, int shift) {
    bool withShift = (shift & vModShift) != 0, withControl = (shift & vModControl) != 0;
    return EditKey(key, withShift, withControl) || ClipboardKey(key, withShift, withControl);
}

bool vTextInCmd::EditKey(int key, bool shift, bool control) {
    switch (key) {
    case vKeyLeft: edit_.MoveLeft(shift, control); break;
    case vKeyRight: edit_.MoveRight(shift, control); break;
    case vKeyHome: edit_.MoveHome(shift); break;
    case vKeyEnd: edit_.MoveEnd(shift); break;
    case vKeyBackSpace: AfterEdit(edit_.Backspace()); return true;
    case vKeyDelete:
        if (shift) return false;
        AfterEdit(edit_.DeleteForward());
        return true;
    default: return false;
    }
    AfterMove();
    return true;
}

bool vTextInCmd::ClipboardKey(int key, bool shift, bool control) {
    bool copy = (control && key == 'c') || (control && key == vKeyInsert);
    bool cut = (control && key == 'x') || (shift && key == vKeyDelete);
    bool paste = (control && key == 'v') || (shift && key == vKeyInsert);
    if (control && key == 'a') {
        edit_.SelectAll();
        AfterMove();
        return true;
    }
    // A masked entry never gives its text away.
    bool masked = (record_.attributes & AttrMasked) != 0;
    if ((copy || cut) && edit_.HasSelection() && !masked) parent_->SetClipboardText(edit_.SelectedText());
    if (cut) AfterEdit(!masked && edit_.DeleteSelection());
    if (paste) {
        std::string pasted = parent_->ClipboardText();
        // Only the first line of a pasted text goes into a one-line entry.
        pasted = pasted.substr(0, pasted.find_first_of("\r\n"));
        AfterEdit(edit_.Insert(pasted));
    }
    return copy || cut || paste;
}

bool vTextInCmd::OnTextInput(std::string_view text) {
    AfterEdit(edit_.Insert(text));
    return true;
}

void vTextInCmd::OnFocusChange(bool gained) {
    Changed();
    if (!gained) Send(vTextFocusLostValue);
}

void vTextInCmd::AfterMove() {
    ScrollToCaret();
    Changed();
}

void vTextInCmd::AfterEdit(bool changed) {
    ScrollToCaret();
    Changed();
    if (changed) Send(vTextChangedValue);
}

void vTextInCmd::Paint(vDC& dc) {
    vRect r = PixelRect();
    vPaint::Fill(dc, r, enabled_ ? vColorWindowBack : vColorButtonFace);
    if (!(record_.attributes & AttrNoBorder)) vPaint::SunkenEdge(dc, r);
    vRect area = TextArea();
    std::string shown = Shown();
    int total = edit_.CharsBefore(static_cast<int>(edit_.Text().size()));
    int lastChar = firstVisible_;
    while (lastChar < total && MeasureShown(firstVisible_, lastChar + 1) <= area.w) ++lastChar;
    auto xOf = [&](int charIndex) {
        return area.x + MeasureShown(firstVisible_, std::clamp(charIndex, firstVisible_, lastChar));
    };
    int top = area.y + (area.h - vPaint::LineHeight(dc)) / 2;
    int from = OffsetOfChar(shown, firstVisible_), to = OffsetOfChar(shown, lastChar);
    vPaint::Text(dc, area.x, top, std::string_view(shown).substr(from, to - from),
                 enabled_ ? vColorWindowText : vColorGrayText);
    bool focused = HasFocus() && parent_->ContainerHasFocus();
    if (focused && edit_.HasSelection()) {
        int selFrom = std::max(edit_.CharsBefore(edit_.SelectionStart()), firstVisible_);
        int selTo = std::min(edit_.CharsBefore(edit_.SelectionEnd()), lastChar);
        if (selTo > selFrom) {
            vRect band{xOf(selFrom), top, xOf(selTo) - xOf(selFrom), vPaint::LineHeight(dc)};
            vPaint::Fill(dc, band, vColorSelection);
            int a = OffsetOfChar(shown, selFrom), b = OffsetOfChar(shown, selTo);
            vPaint::Text(dc, band.x, top, std::string_view(shown).substr(a, b - a), vColorSelectionText);
        }
    }
    if (focused) vPaint::VLine(dc, xOf(edit_.CharsBefore(edit_.Caret())), top, vPaint::LineHeight(dc), vColorWindowText);
}
