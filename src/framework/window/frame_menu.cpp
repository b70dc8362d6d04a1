#include "framework/window/frame_menu.h"

#include <string>

#include "framework/look/dialog_units.h"
#include "framework/look/mnemonic.h"
#include "framework/look/system_colors.h"
#include "framework/window/app.h"
#include "framework/window/command_ids.h"

namespace {

struct FrameMenuItem {
    const char* label;
    int id;
};

constexpr FrameMenuItem kItems[] = {
    {"&New", vFrameNewId}, {"&Open", vFrameOpenId}, {nullptr, vMenuSeparatorId}, {"E&xit", vFrameExitId}};
constexpr int kItemCount = 4;
constexpr int kItemHeight = 18;
constexpr int kSeparatorHeight = 8;
constexpr int kPopupWidth = 120;

int ItemTop(int index) {
    int top = 2;
    for (int i = 0; i < index; ++i) top += kItems[i].label ? kItemHeight : kSeparatorHeight;
    return top;
}

int PopupHeight() { return ItemTop(kItemCount) + 2; }

}  // namespace

// Text goes on with the pen the caller chose; the underline needs a solid one.
void vDrawMenuLabel(vDC& dc, int x, int bottom, const char* label) {
    vMnemonicLabel parsed = vParseMnemonic(label);
    const std::string& shown = parsed.shown;
    dc.WriteText(x, bottom, shown.c_str());
    if (parsed.underlineAt < 0) return;
    size_t at = size_t(parsed.underlineAt);
    int start = x + dc.TextExtent(shown.substr(0, at).c_str());
    int end = x + dc.TextExtent(shown.substr(0, at + 1).c_str());
    vPen pen = dc.CurrentPen();
    pen.SetStyle(vSolid);
    dc.UsePen(pen);
    int ascent = 0, descent = 0;
    dc.FontHeight(ascent, descent);
    int underline = bottom - descent + 1;
    dc.PaintLine(start, underline, end, underline);
}

// ---- The open "&File" popup -----------------------------------------------------------------

class vFrameMenu::Popup : public vView {
public:
    explicit Popup(vFrameMenu& menu) : menu_(menu) {}

    void Paint() override {
        vViewDC dc(*this);
        dc.SetBackColor(vColorButtonFace);
        dc.Erase();
        dc.UseFont(vDialogFont());
        dc.UsePen(vPen(0, 0, 0));
        dc.UseBrush(vBrush(0, 0, 0, vTransparent));
        dc.PaintBox(0, 0, Bounds().w - 1, Bounds().h - 1);
        for (int i = 0; i < kItemCount; ++i) PaintItem(dc, i);
    }

    bool HandleInput(const vPlatformEvent& event) override {
        bool inside = event.x >= 0 && event.y >= 0 && event.x < Bounds().w && event.y < Bounds().h;
        if (event.kind == vEventKind::PointerMove) SetHover(inside ? ItemAt(event.y) : -1);
        if (event.kind == vEventKind::ButtonUp && inside && ItemAt(event.y) >= 0) {
            menu_.Choose(ItemAt(event.y));
        } else if (event.kind == vEventKind::ButtonDown && !inside) {
            menu_.Close();
        } else if (event.kind == vEventKind::KeyDown && event.key == vKeyEscape) {
            menu_.Close();
        }
        return true;
    }

    // Without the pointer a click outside could no longer close it.
    void OnCaptureLost() override { menu_.Close(); }

private:
    int ItemAt(int y) const {
        for (int i = 0; i < kItemCount; ++i) {
            if (kItems[i].label && y >= ItemTop(i) && y < ItemTop(i) + kItemHeight) return i;
        }
        return -1;
    }

    void SetHover(int item) {
        if (item == hover_) return;
        hover_ = item;
        Invalidate();
    }

    void PaintItem(vDC& dc, int i) {
        int top = ItemTop(i);
        if (!kItems[i].label) {
            dc.UsePen(vPen(vColorButtonShadow));
            dc.PaintLine(3, top + 3, Bounds().w - 3, top + 3);
            dc.UsePen(vPen(255, 255, 255));
            dc.PaintLine(3, top + 4, Bounds().w - 3, top + 4);
            return;
        }
        vColor text = vColorWindowText;
        if (i == hover_) {
            dc.UsePen(vPen(vColorSelection));
            dc.UseBrush(vBrush(vColorSelection));
            dc.PaintBox(2, top, Bounds().w - 5, kItemHeight - 1);
            text = vColorSelectionText;
        }
        dc.UsePen(vPen(text, 1, vTransparent));
        vDrawMenuLabel(dc, 18, top + 14, kItems[i].label);
    }

    vFrameMenu& menu_;
    int hover_ = -1;
};

// ---- The strip ------------------------------------------------------------------------------

vFrameMenu::vFrameMenu(vApp& app) : app_(app) {}

vFrameMenu::~vFrameMenu() { Close(); }

void vFrameMenu::Paint() {
    vViewDC dc(*this);
    dc.SetBackColor(vColorButtonFace);
    dc.Erase();
    dc.UseFont(vDialogFont());
    if (IsOpen()) {
        dc.UsePen(vPen(vColorButtonShadow));
        dc.UseBrush(vBrush(0, 0, 0, vTransparent));
        dc.PaintBox(kTitleLeft - 2, 1, kTitleWidth, Bounds().h - 3);
    }
    dc.UsePen(vPen(0, 0, 0, 1, vTransparent));
    vDrawMenuLabel(dc, kTitleLeft + 4, 15, "&File");
}

bool vFrameMenu::HandleInput(const vPlatformEvent& event) {
    if (event.kind != vEventKind::ButtonDown || event.button != 1) return false;
    if (event.x >= kTitleLeft && event.x < kTitleLeft + kTitleWidth) {
        IsOpen() ? Close() : Open();
    }
    return true;
}

bool vFrameMenu::IsOpen() const { return popup_ != nullptr; }

void vFrameMenu::Open() {
    if (IsOpen()) return;
    popup_ = std::make_unique<Popup>(*this);
    popup_->SetBounds(Bounds().x + kTitleLeft - 2, Bounds().y + Bounds().h, kPopupWidth, PopupHeight());
    vFrame& frame = app_.Frame();
    frame.AddFloating(popup_.get());
    frame.CapturePointer(popup_.get());
    Invalidate();
}

void vFrameMenu::Close() {
    if (!popup_) return;
    std::unique_ptr<Popup> closing = std::move(popup_);
    app_.Frame().RemoveFloating(closing.get());
    Invalidate();
}

void vFrameMenu::Choose(int index) {
    if (index < 0 || index >= kItemCount || !kItems[index].label) return;
    Close();
    app_.FrameMenuCommand(kItems[index].id);
}
