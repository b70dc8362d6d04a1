#include <cctype>

#include "framework/controls/cmd_parent.h"
#include "framework/platform/platform.h"

// ---- Pointer ----------------------------------------------------------------------------

vCmd* vCmdParent::ControlAt(int x, int y) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        vCmd* control = it->get();
        if (!control->IsHidden() && control->HasOverlay() && control->OverlayContains(x, y)) return control;
    }
    // Later controls lie over earlier ones (a control over its frame).
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        vCmd* control = it->get();
        if (!control->IsHidden() && control->Contains(x, y)) return control;
    }
    return nullptr;
}

bool vCmdParent::ControlPointerDown(int x, int y, int clicks) {
    vCmd* control = ControlAt(x, y);
    // A click anywhere else closes an open overlay.
    for (const auto& c : controls_) {
        if (c.get() != control && c->HasOverlay()) c->OnFocusChange(false);
    }
    if (!control || !control->TakesInput()) return false;
    if (IsFocusable(control)) SetFocusControl(control);
    pressed_ = control;
    control->OnPointerDown(x, y, clicks);
    return true;
}

void vCmdParent::ControlPointerMove(int x, int y) {
    if (pressed_) pressed_->OnPointerDrag(x, y);
}

vCmd* vCmdParent::EndPress() {
    vCmd* control = pressed_;
    pressed_ = nullptr;
    HoldTicks(false);
    return control;
}

void vCmdParent::ControlPointerUp(int x, int y) {
    if (vCmd* control = EndPress()) control->OnPointerUp(x, y);
}

void vCmdParent::ControlPointerCancel() {
    if (vCmd* control = EndPress()) control->OnPointerCancel();
}

bool vCmdParent::ControlWheel(int x, int y, int notches) {
    vCmd* control = ControlAt(x, y);
    return control && control->TakesInput() && control->OnWheel(notches);
}

void vCmdParent::ControlPointerHeld() {
    if (pressed_) pressed_->OnPointerHeld();
}

// ---- Focus ------------------------------------------------------------------------------

bool vCmdParent::IsFocusable(const vCmd* control) const {
    return control && control->TakesFocus() && control->TakesInput();
}

void vCmdParent::SetFocusControl(vCmd* control) {
    if (control == focus_) return;
    vCmd* old = focus_;
    focus_ = control;
    if (old && containerFocus_) old->OnFocusChange(false);
    if (focus_ && containerFocus_) focus_->OnFocusChange(true);
    ControlsChanged();
}

void vCmdParent::ContainerFocusChanged(bool gained) {
    if (containerFocus_ == gained) return;
    containerFocus_ = gained;
    if (focus_) focus_->OnFocusChange(gained);
    ControlsChanged();
}

void vCmdParent::MoveFocus(bool backwards) {
    int count = static_cast<int>(controls_.size());
    if (count == 0) return;
    int start = -1;
    for (int i = 0; i < count; ++i) {
        if (controls_[i].get() == focus_) start = i;
    }
    for (int step = 1; step <= count; ++step) {
        int from = start < 0 ? (backwards ? count : -1) : start;
        int i = ((from + (backwards ? -step : step)) % count + count) % count;
        if (IsFocusable(controls_[i].get())) {
            SetFocusControl(controls_[i].get());
            return;
        }
    }
}

// ---- Keys -------------------------------------------------------------------------------

bool vCmdParent::ClickCancel() {
    vCmd* cancel = FindControl(vCancelId);
    if (!cancel || cancel->IsHidden()) return false;
    cancel->Click();
    return true;
}

bool vCmdParent::ClickDefault() {
    if (!defaultControl_ || !defaultControl_->TakesInput()) return false;
    defaultControl_->Click();
    return true;
}

bool vCmdParent::ClickMnemonic(int key) {
    if (key <= 0 || key > 127) return false;
    char wanted = static_cast<char>(std::tolower(key));
    for (size_t i = 0; i < controls_.size(); ++i) {
        vCmd* control = controls_[i].get();
        if (control->Mnemonic() != wanted || control->IsHidden()) continue;
        if (control->TakesInput()) {
            if (IsFocusable(control)) SetFocusControl(control);
            control->Click();
            return true;
        }
        // A label's letter takes the keyboard to the next control that can have it.
        for (size_t next = i + 1; next < controls_.size(); ++next) {
            if (!IsFocusable(controls_[next].get())) continue;
            SetFocusControl(controls_[next].get());
            return true;
        }
    }
    return false;
}

bool vCmdParent::ControlKeyDown(int key, int modifiers) {
    if ((modifiers & vModAlt) && ClickMnemonic(key)) return true;
    if (focus_ && focus_->TakesInput() && focus_->OnKeyDown(key, modifiers)) return true;
    switch (key) {
    case vKeyTab:
        MoveFocus((modifiers & vModShift) != 0);
        return true;
    case vKeyReturn:
        if (focus_ && focus_->TakesInput() && (focus_->Type() == ctButton || focus_->Type() == ctIconButton)) {
            focus_->Click();
            return true;
        }
        return ClickDefault();
    case vKeyEscape:
        EscapePressed();
        return true;
    case ' ':
        if (focus_ && focus_->TakesInput()) {
            focus_->Click();
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool vCmdParent::ControlTextInput(const std::string& text) {
    return focus_ && focus_->TakesInput() && focus_->OnTextInput(text);
}
