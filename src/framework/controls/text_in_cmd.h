#pragma once

#include "framework/controls/cmd.h"
#include "framework/controls/text_edit.h"

// A one-line text entry. It holds at most 129 characters; every change sends
// (id, vTextChangedValue, ctTextIn) and losing the focus sends vTextFocusLostValue.
// The text scrolls sideways to keep the caret in view; AttrMasked shows a mask
// character for each character typed.
class vTextInCmd : public vCmd {
public:
    static constexpr char kMaskChar = '*';

    vTextInCmd(vCmdParent* parent, const CommandObject& record);

    const std::string& EntryText() const { return edit_.Text(); }
    const vTextEdit& Edit() const { return edit_; }
    int FirstVisibleChar() const { return firstVisible_; }

    void SetLabel(const char* text) override;
    void StartUp() override;
    void Paint(vDC& dc) override;

    bool TakesFocus() const override { return true; }
    void OnPointerDown(int x, int y, int clicks) override;
    void OnPointerDrag(int x, int y) override;
    bool OnKeyDown(int key, int shift) override;
    bool OnTextInput(std::string_view text) override;
    void OnFocusChange(bool gained) override;

private:
    // The text as shown: masked or not.
    std::string Shown() const;
    // Byte offset in the shown text of a byte offset in the entry's text.
    int ShownOffset(int offset) const;
    int OffsetAt(int x) const;
    bool EditKey(int key, bool shift, bool control);
    bool ClipboardKey(int key, bool shift, bool control);
    void AfterMove();
    void AfterEdit(bool changed);
    void ScrollToCaret();
    vRect TextArea() const;
    int MeasureShown(int fromChar, int toChar) const;

    vTextEdit edit_;
    int firstVisible_ = 0;  // the first character shown, counted in characters
};
