#pragma once

#include <string>
#include <vector>

#include "framework/controls/focusable_cmd.h"
#include "framework/look/scroll_track.h"

// A scrolling list of texts; its value is the selected index (-1: none). Choosing an
// item sends (id, index, ctList); a double click or Enter sends it again as an
// activation, which IsActivation tells apart. Typing a letter jumps to the next item
// that starts with it.
class vListCmd : public vFocusableCmd {
public:
    vListCmd(vCmdParent* parent, const CommandObject& record);

    void Apply(int value, int kind) override;
    void OnNotify(int code, int extra) override;
    void StartUp() override;
    void Paint(vDC& dc) override;

    void OnPointerDown(int x, int y, int clicks) override;
    void OnPointerDrag(int x, int y) override;
    void OnPointerUp(int x, int y) override;
    void OnPointerCancel() override;
    void OnPointerHeld() override;
    bool OnKeyDown(int key, int shift) override;
    bool OnTextInput(std::string_view text) override;
    bool OnWheel(int notches) override;
    void Click() override;

    // Replaces the items with texts the caller makes (the record's list is then not used
    // until StateNewItems) and selects selection.
    void SetItems(std::vector<std::string> items, int selection);
    const std::vector<std::string>& Items() const { return items_; }
    bool IsActivation() const { return activation_; }
    int TopRow() const { return top_; }
    void ScrollBy(int rows);
    int VisibleRows() const;

private:
    void LoadFromRecord();
    void Select(int index, bool send);
    void KeepSelectionVisible();
    int RowAt(int y) const;
    vRect RowsArea() const;
    vRect ScrollBarArea() const;
    int LastTopRow() const;
    void ScrollTo(int row);
    void OnScroll(vScrollAction action, int position);
    // The bar follows the rows before it is painted or pressed.
    vScrollTrack& SyncedBar();

    std::vector<std::string> items_;
    int top_ = 0;
    bool activation_ = false;
    bool ownItems_ = false;
    vScrollTrack bar_;
};
