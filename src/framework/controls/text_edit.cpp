#include "framework/controls/text_edit.h"

#include <algorithm>

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

bool IsWordChar(unsigned char c) { return c >= 0x80 || std::isalnum(c) || c == '_'; }

// Drops control characters and cuts the text so that it fits in room bytes without
// splitting a character.
std::string Fitted(std::string_view typed, size_t room) {
    std::string kept;
    for (unsigned char c : typed) {
        if (c >= 32 && c != 127) kept.push_back(static_cast<char>(c));
    }
    if (kept.size() <= room) return kept;
    size_t cut = room;
    while (cut > 0 && IsContinuation(static_cast<unsigned char>(kept[cut]))) --cut;
    kept.resize(cut);
    return kept;
}

}  // namespace

std::string vTextEdit::SelectedText() const {
    return text_.substr(SelectionStart(), SelectionEnd() - SelectionStart());
}

void vTextEdit::SetText(std::string_view text) {
    text_.clear();
    text_ = Fitted(text, kMaxChars);
    caret_ = anchor_ = static_cast<int>(text_.size());
}

bool vTextEdit::DeleteSelection() {
    if (!HasSelection()) return false;
    int start = SelectionStart();
    text_.erase(start, SelectionEnd() - start);
    caret_ = anchor_ = start;
    return true;
}

bool vTextEdit::Insert(std::string_view typed) {
    bool changed = DeleteSelection();
    std::string kept = Fitted(typed, kMaxChars - text_.size());
    if (kept.empty()) return changed;
    text_.insert(caret_, kept);
    caret_ = anchor_ = caret_ + static_cast<int>(kept.size());
    return true;
}

bool vTextEdit::Backspace() {
    if (DeleteSelection()) return true;
    if (caret_ == 0) return false;
    int start = PreviousChar(caret_);
    text_.erase(start, caret_ - start);
    caret_ = anchor_ = start;
    return true;
}

bool vTextEdit::DeleteForward() {
    if (DeleteSelection()) return true;
    if (caret_ >= static_cast<int>(text_.size())) return false;
    text_.erase(caret_, NextChar(caret_) - caret_);
    return true;
}

void vTextEdit::Place(int offset, bool extend) {
    caret_ = std::clamp(offset, 0, static_cast<int>(text_.size()));
    caret_ = CharStart(caret_);
    if (!extend) anchor_ = caret_;
}

void vTextEdit::MoveLeft(bool extend, bool byWord) {
    if (!extend && HasSelection() && !byWord) return Place(SelectionStart(), false);
    int at = PreviousChar(caret_);
    if (byWord) {
        while (at > 0 && !IsWordChar(text_[at])) at = PreviousChar(at);
        while (at > 0 && IsWordChar(text_[PreviousChar(at)])) at = PreviousChar(at);
    }
    Place(at, extend);
}

void vTextEdit::MoveRight(bool extend, bool byWord) {
    if (!extend && HasSelection() && !byWord) return Place(SelectionEnd(), false);
    int end = static_cast<int>(text_.size());
    int at = NextChar(caret_);
    if (byWord) {
        while (at < end && IsWordChar(text_[at])) at = NextChar(at);
        while (at < end && !IsWordChar(text_[at])) at = NextChar(at);
    }
    Place(at, extend);
}

void vTextEdit::MoveHome(bool extend) { Place(0, extend); }
void vTextEdit::MoveEnd(bool extend) { Place(static_cast<int>(text_.size()), extend); }
void vTextEdit::MoveTo(int offset, bool extend) { Place(offset, extend); }

void vTextEdit::SelectAll() {
    anchor_ = 0;
    caret_ = static_cast<int>(text_.size());
}

int vTextEdit::CharStart(int offset) const {
    while (offset > 0 && offset < static_cast<int>(text_.size()) &&
           IsContinuation(static_cast<unsigned char>(text_[offset]))) {
        --offset;
    }
    return offset;
}

int vTextEdit::NextChar(int offset) const {
    int end = static_cast<int>(text_.size());
    if (offset >= end) return end;
    ++offset;
    while (offset < end && IsContinuation(static_cast<unsigned char>(text_[offset]))) ++offset;
    return offset;
}

int vTextEdit::PreviousChar(int offset) const {
    if (offset <= 0) return 0;
    return CharStart(offset - 1);
}

int vTextEdit::CharsBefore(int offset) const {
    int count = 0;
    for (int i = 0; i < offset && i < static_cast<int>(text_.size()); ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text_[i]))) ++count;
    }
    return count;
}
