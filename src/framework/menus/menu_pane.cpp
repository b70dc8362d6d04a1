#include "framework/menus/menu_pane.h"

#include <algorithm>
#include <cctype>

#include "framework/look/dialog_units.h"
#include "framework/look/mnemonic.h"
#include "framework/look/paint.h"
#include "framework/look/system_colors.h"
#include "framework/window/app.h"
#include "framework/window/window.h"

namespace {

int TitlePixels(vTextRenderer* text, const std::string& title) {
    return vDialogTextPixels(text, vParseMnemonic(title).shown);
}

}  // namespace

vMenuPane::vMenuPane(const MenuItem* menuBar) : vPane(vPaneMenuBar), menuBar_(menuBar), model_(menuBar, false) {}

vMenuPane::~vMenuPane() {
    CloseMenus();
    if (window_ && window_->MenuPane() == this) window_->SetMenuPane(nullptr);
}

void vMenuPane::Attach(vWindow* window) {
    vPane::Attach(window);
    // The "&Window" menu comes with the application's multi-window mode.
    vApp* app = WindowApp();
    model_ = vMenuModel(menuBar_, app && !app->IsSingleWindow());
    model_.Build();
    window->SetMenuPane(this);
    if (app) app->Layout().ShowActiveBars();
    Invalidate();
}

// ---- Values -----------------------------------------------------------------------------

bool vMenuPane::QueryValue(int id, int& value) { return model_.QueryValue(id, value); }

void vMenuPane::PutValue(int id, int value, int kind) {
    model_.PutValue(id, value, kind);
    Refresh();
}

void vMenuPane::PutText(int id, const char* text) {
    model_.PutText(id, text);
    Refresh();
}

bool vMenuPane::FindKeyItem(int key, int shift, int& id) { return model_.FindKeyItem(key, shift, id); }

void vMenuPane::Refresh() {
    Invalidate();
    for (auto& popup : popups_) popup->Invalidate();
}

// ---- The strip --------------------------------------------------------------------------

vRect vMenuPane::TitleBox(int index) const {
    int x = kTitleLeft;
    const auto& top = model_.TopMenus();
    for (int i = 0; i < index && i < static_cast<int>(top.size()); ++i) {
        x += TitlePixels(TextRenderer(), model_.Slot(top[i]).title) + 2 * kTitlePadding;
    }
    int width = index < static_cast<int>(top.size())
                    ? TitlePixels(TextRenderer(), model_.Slot(top[index]).title) + 2 * kTitlePadding
                    : 0;
    return {x, 1, width, Bounds().h - 2};
}

int vMenuPane::TitleAt(int x, int y) const {
    if (y < 0 || y >= Bounds().h) return -1;
    for (int i = 0; i < static_cast<int>(model_.TopMenus().size()); ++i) {
        vRect box = TitleBox(i);
        if (x >= box.x && x < box.x + box.w) return i;
    }
    return -1;
}

void vMenuPane::Paint() {
    vViewDC dc(*this);
    vPaint::Fill(dc, {0, 0, Bounds().w, Bounds().h}, vColorButtonFace);
    dc.UseFont(vDialogFont());
    const auto& top = model_.TopMenus();
    for (int i = 0; i < static_cast<int>(top.size()); ++i) {
        vRect box = TitleBox(i);
        if (i == openIndex_) vPaint::ThinSunkenEdge(dc, box);
        int textTop = box.y + (box.h - vPaint::LineHeight(dc)) / 2;
        vPaint::MnemonicText(dc, box.x + kTitlePadding, textTop, model_.Slot(top[i]).title, vColorWindowText, true);
    }
}

// ---- Opening and closing ----------------------------------------------------------------

void vMenuPane::OpenMenu(int index) {
    if (index < 0 || index >= static_cast<int>(model_.TopMenus().size())) return;
    vApp* app = WindowApp();
    if (!app) return;
    CloseFrom(0);
    openIndex_ = index;
    const vMenuSlot& slot = model_.Slot(model_.TopMenus()[index]);
    auto popup = std::make_unique<vMenuPopup>(model_, model_.TopMenus()[index]);
    vRect title = TitleBox(index);
    int width = vMenuPopup::WidthFor(slot, TextRenderer()), height = vMenuPopup::HeightFor(slot);
    int x = std::max(0, std::min(Bounds().x + title.x, app->Frame().Width() - width));
    popup->SetBounds(x, Bounds().y + Bounds().h, width, height);
    app->Frame().AddFloating(popup.get());
    popups_.push_back(std::move(popup));
    app->Frame().CapturePointer(this);
    app->Frame().SetFocus(this);
    Invalidate();
}

void vMenuPane::OpenMenuAtFirstItem(int index) {
    OpenMenu(index);
    if (IsOpen()) popups_[0]->SetHot(popups_[0]->NextSelectable(-1, 1));
}

void vMenuPane::OpenSubmenu(int level) {
    vApp* app = WindowApp();
    vMenuPopup& parent = *popups_[level];
    if (!app || parent.Hot() < 0) return;
    const vMenuEntry& entry = parent.Slot().entries[parent.Hot()];
    if (entry.submenu < 0 || !entry.sensitive) return;
    CloseFrom(level + 1);
    const vMenuSlot& slot = model_.Slot(entry.submenu);
    auto popup = std::make_unique<vMenuPopup>(model_, entry.submenu);
    int width = vMenuPopup::WidthFor(slot, TextRenderer()), height = vMenuPopup::HeightFor(slot);
    vRect p = parent.Bounds();
    int x = p.x + p.w - 3;
    // Open to the left when the frame has no room on the right.
    if (x + width > app->Frame().Width()) x = std::max(0, p.x - width + 3);
    int y = std::max(0, std::min(p.y + parent.ItemTop(parent.Hot()) - 2, app->Frame().Height() - height));
    popup->SetBounds(x, y, width, height);
    app->Frame().AddFloating(popup.get());
    popups_.push_back(std::move(popup));
}

void vMenuPane::CloseFrom(int level) {
    vApp* app = WindowApp();
    while (static_cast<int>(popups_.size()) > level) {
        if (app) app->Frame().RemoveFloating(popups_.back().get());
        popups_.pop_back();
    }
    if (level == 0) openIndex_ = -1;
}

void vMenuPane::CloseMenus() {
    if (popups_.empty()) return;
    CloseFrom(0);
    if (vApp* app = WindowApp()) {
        app->Frame().ReleasePointer(this);
        if (app->Frame().Focus() == this) app->Frame().SetFocus(nullptr);
    }
    Invalidate();
}

void vMenuPane::Choose(int level, int item) {
    const vMenuEntry& entry = popups_[level]->Slot().entries[item];
    if (entry.separator || !entry.sensitive) return;
    if (entry.submenu >= 0) {
        popups_[level]->SetHot(item);
        OpenSubmenu(level);
        if (static_cast<int>(popups_.size()) > level + 1) {
            popups_[level + 1]->SetHot(popups_[level + 1]->NextSelectable(-1, 1));
        }
        return;
    }
    int id = entry.id;
    CloseMenus();
    if (vApp* app = WindowApp()) app->FrameMenuCommand(id);
}

bool vMenuPane::OpenByMnemonic(char letter) {
    const auto& top = model_.TopMenus();
    for (int i = 0; i < static_cast<int>(top.size()); ++i) {
        if (vParseMnemonic(model_.Slot(top[i]).title).Letter() == letter) {
            OpenMenuAtFirstItem(i);
            return true;
        }
    }
    return false;
}

void vMenuPane::OnCaptureLost() {
    pressedOnTitle_ = false;
    CloseMenus();
}

void vMenuPane::OnFocusChange(bool hasFocus) {
    if (!hasFocus && IsOpen()) CloseMenus();
}
