#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/controls/focusable_cmd.h"
#include "framework/look/scroll_track.h"

// The text of a help topic in a box as wide as its longest line (up to 100 characters)
// and as tall as the text, within the room it is given (dialog units): lines wider than the box
// wrap at a blank (or at the edge), and what does not fit scrolls by the wheel, the bar
// beside it and the keys (arrows, pages, Home, End). The box keeps its size for later
// texts. Only the rows in view are drawn, so a long topic costs no more to show.
class HelpTextView : public vFocusableCmd {
public:
    HelpTextView(vCmdParent* parent, const CommandObject& record, std::string_view text, int roomWidth,
                 int roomHeight);

    void SetText(std::string_view text);
    const std::vector<std::string>& Lines() const { return lines_; }
    int TopRow() const { return top_; }
    int Rows() const { return rows_; }

    vControlSize Measure() const override;
    void Paint(vDC& dc) override;
    void OnPointerDown(int x, int y, int clicks) override;
    void OnPointerDrag(int x, int y) override;
    void OnPointerUp(int x, int y) override;
    void OnPointerCancel() override;
    void OnPointerHeld() override;
    bool OnKeyDown(int key, int shift) override;
    bool OnWheel(int notches) override;

private:
    void AddWrapped(std::string_view line);
    void ScrollTo(int row);
    int LastTopRow() const;
    void OnScroll(vScrollAction action, int position);
    vRect TextArea() const;
    vRect ScrollBarArea() const;
    vScrollTrack& SyncedBar();

    int columns_ = 1;
    int rows_ = 1;
    std::vector<std::string> lines_;
    int top_ = 0;
    vScrollTrack bar_;
};
