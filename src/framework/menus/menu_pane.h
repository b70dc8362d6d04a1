#pragma once

#include <memory>
#include <vector>

#include "framework/menus/menu_item.h"
#include "framework/menus/menu_model.h"
#include "framework/menus/menu_popup.h"
#include "framework/window/pane.h"

// A command window's menu bar, shown in the frame's menu strip. A press on a title
// opens its popup; nested submenus open beside their item; a chosen item goes to the
// frame, which passes it to the active window as OnMenuItem. While a menu is open the
// strip holds the pointer and the keyboard: arrows move, Enter chooses, Escape closes,
// a letter chooses the item it marks with "&".
class vMenuPane : public vPane {
public:
    static constexpr int kTitleLeft = 4;
    static constexpr int kTitlePadding = 8;

    explicit vMenuPane(const MenuItem* menuBar);
    ~vMenuPane() override;

    void Attach(vWindow* window) override;
    // Builds the menus for a strip that belongs to no window (the frame's own menu).
    void BuildWithoutWindow() { model_.Build(); }
    bool QueryValue(int id, int& value) override;
    void PutValue(int id, int value, int kind) override;
    void PutText(int id, const char* text) override;
    bool FindKeyItem(int key, int shift, int& id) override;

    void Paint() override;
    bool HandleInput(const vPlatformEvent& event) override;
    void OnFocusChange(bool hasFocus) override;
    // An open menu follows the pointer only while it holds it.
    void OnCaptureLost() override;

    // ---- Opening and choosing (also for the keyboard and for tests) ----------------------
    // Opens the top-level menu at index (0-based), closing any other.
    void OpenMenu(int index);
    // Opens it from the keyboard: the first item is hot.
    void OpenMenuAtFirstItem(int index);
    void CloseMenus();
    bool IsOpen() const { return !popups_.empty(); }
    int OpenIndex() const { return openIndex_; }
    // The open popups, the top-level one first.
    const std::vector<std::unique_ptr<vMenuPopup>>& Popups() const { return popups_; }
    // Opens the menu whose title has that mnemonic letter; false when none has.
    bool OpenByMnemonic(char letter);

    const vMenuModel& Model() const { return model_; }
    // A title's box in the strip, relative to the pane.
    vRect TitleBox(int index) const;

private:
    int TitleAt(int x, int y) const;
    void OpenSubmenu(int level);
    void CloseFrom(int level);
    void Choose(int level, int item);
    bool HandlePointer(const vPlatformEvent& event);
    bool HandleKey(const vPlatformEvent& event);
    // The deepest open popup containing the frame point, or -1.
    int PopupAt(int frameX, int frameY) const;
    void Refresh();

    const MenuItem* menuBar_;
    vMenuModel model_;
    std::vector<std::unique_ptr<vMenuPopup>> popups_;
    int openIndex_ = -1;
    bool pressedOnTitle_ = false;
};
