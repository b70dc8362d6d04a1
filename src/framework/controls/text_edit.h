#pragma once

#include <string>
#include <string_view>

// The editing state of a one-line text entry: its text (at most kMaxChars bytes),
// the caret and the selection, as byte offsets that never split a UTF-8 character.
class vTextEdit {
public:
    static constexpr int kMaxChars = 129;

    const std::string& Text() const { return text_; }
    int Caret() const { return caret_; }
    int SelectionStart() const { return std::min(caret_, anchor_); }
    int SelectionEnd() const { return std::max(caret_, anchor_); }
    bool HasSelection() const { return caret_ != anchor_; }
    std::string SelectedText() const;

    // Replaces the text, cut at kMaxChars; the caret goes to the end.
    void SetText(std::string_view text);

    // Each editing step returns whether the text changed.
    bool Insert(std::string_view typed);
    bool Backspace();
    bool DeleteForward();
    bool DeleteSelection();

    // Caret moves; with extend the selection grows from where it was anchored.
    void MoveLeft(bool extend, bool byWord = false);
    void MoveRight(bool extend, bool byWord = false);
    void MoveHome(bool extend);
    void MoveEnd(bool extend);
    void MoveTo(int offset, bool extend);
    void SelectAll();

    // The start of the UTF-8 character holding offset, and the offset after it.
    int CharStart(int offset) const;
    int NextChar(int offset) const;
    // Number of characters (not bytes) before offset.
    int CharsBefore(int offset) const;

private:
    void Place(int offset, bool extend);
    int PreviousChar(int offset) const;

    std::string text_;
    int caret_ = 0;
    int anchor_ = 0;
};
