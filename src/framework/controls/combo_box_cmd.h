#pragma once

#include <string>
#include <vector>

#include "framework/controls/focusable_cmd.h"

// A field showing the chosen text, with a button that drops a list of the record's
// texts over the container. The value is the chosen index; choosing sends
// (id, index, ctComboBox). Up and Down choose without opening the list.
class vComboBoxCmd : public vFocusableCmd {
public:
    static constexpr int kMostDroppedRows = 8;

    vComboBoxCmd(vCmdParent* parent, const CommandObject& record);

    void Apply(int value, int kind) override;
    void OnNotify(int code, int extra) override;
    void StartUp() override;
    void Paint(vDC& dc) override;

    void OnPointerDown(int x, int y, int clicks) override;
    void OnPointerDrag(int x, int y) override;
    void OnPointerUp(int x, int y) override;
    bool OnKeyDown(int key, int shift) override;
    void OnFocusChange(bool gained) override;
    void Click() override { SetOpen(!open_); }

    bool HasOverlay() const override { return open_; }
    bool OverlayContains(int x, int y) const override;
    void PaintOverlay(vDC& dc) override;

    bool IsOpen() const { return open_; }
    const std::vector<std::string>& Items() const { return items_; }

private:
    void LoadItems();
    void Choose(int index);
    void SetOpen(bool open);
    vRect DropArea() const;
    int RowHeight() const;
    int DroppedRowAt(int y) const;

    std::vector<std::string> items_;
    bool open_ = false;
    int hot_ = -1;    // the dropped row under the pointer
    int first_ = 0;   // first dropped row shown
    bool openedByThisPress_ = false;
};
