#include "framework/controls/control_host.h"

#include <cstdlib>

#include "framework/controls/cmd_parent.h"
#include "framework/controls/tool_tip.h"
#include "framework/window/app.h"

vControlHost::vControlHost(vView& view, vCmdParent& parent)
    : view_(view), parent_(parent), repeater_([this] { parent_.ControlPointerHeld(); }) {}

void vControlHost::Hold(bool on) {
    // Without a platform there is no clock to repeat on.
    vApp* app = view_.App();
    if (on && app && app->Platform()) repeater_.Start();
    else repeater_.Stop();
}

void vControlHost::CaptureLost() { parent_.ControlPointerCancel(); }

void vControlHost::HideTip() {
    if (tip_) tip_->Hide();
}

// A second press close to the first and soon after it is a double click; a third
// starts counting again.
int vControlHost::ClicksFor(const vPlatformEvent& event) {
    vApp* app = view_.App();
    uint64_t now = app && app->Platform() ? app->Platform()->NowMs() : 0;
    bool near = std::abs(event.x - lastPressX_) <= 3 && std::abs(event.y - lastPressY_) <= 3;
    bool soon = now - lastPressMs_ <= static_cast<uint64_t>(kDoubleClickMs);
    bool isDouble = near && soon && !lastWasDouble_;
    lastPressMs_ = now;
    lastPressX_ = event.x;
    lastPressY_ = event.y;
    lastWasDouble_ = isDouble;
    return isDouble ? 2 : 1;
}

void vControlHost::Hover(int x, int y, const vPlatformEvent& event) {
    vFrame* frame = view_.Frame();
    if (!tip_ || !frame) return;
    vCmd* control = parent_.ControlAt(x, y);
    const char* tip = control && !control->IsHidden() ? control->Tip() : nullptr;
    tip_->PointerAt(*frame, tip ? tip : "", event.x + view_.Bounds().x, event.y + view_.Bounds().y);
}

bool vControlHost::Pointer(const vPlatformEvent& event) {
    int x = event.x - originX_, y = event.y - originY_;
    vApp* app = view_.App();
    switch (event.kind) {
    case vEventKind::ButtonDown: {
        HideTip();
        if (event.button != 1) return parent_.ControlAt(x, y) != nullptr;
        bool used = parent_.ControlPointerDown(x, y, ClicksFor(event));
        // A press that closed its container (a double click that chooses) is over.
        if (used && app && !app->Frame().CapturePointer(&view_)) parent_.ControlPointerCancel();
        return used;
    }
    case vEventKind::PointerMove:
        if (parent_.IsPointerPressed()) parent_.ControlPointerMove(x, y);
        else Hover(x, y, event);
        return parent_.IsPointerPressed();
    case vEventKind::ButtonUp: {
        if (event.button != 1 || !parent_.IsPointerPressed()) return false;
        if (app) app->Frame().ReleasePointer(&view_);
        parent_.ControlPointerUp(x, y);
        return true;
    }
    case vEventKind::Wheel:
        return parent_.ControlWheel(x, y, event.wheelY);
    default:
        return false;
    }
}

bool vControlHost::Key(const vPlatformEvent& event) {
    if (event.kind == vEventKind::KeyDown) return parent_.ControlKeyDown(event.key, event.modifiers);
    if (event.kind == vEventKind::TextInput) return parent_.ControlTextInput(event.text);
    return false;
}
