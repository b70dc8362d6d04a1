#include "framework/window/app.h"
#include "framework/window/frame.h"
#include "framework/window/key_translation.h"
#include "framework/window/window.h"

// Input reaches, in order: the view holding the pointer capture; floating views
// (dialogs, popups) under the pointer; the menu strip and the bars; the command
// windows. Under a modal view only the modal view and what lies above it take input.

void vFrame::Dispatch(const vPlatformEvent& event) {
    switch (event.kind) {
        case vEventKind::PointerMove:
        case vEventKind::ButtonDown:
        case vEventKind::ButtonUp:
        case vEventKind::Wheel: DispatchPointer(event); break;
        case vEventKind::KeyDown:
        case vEventKind::KeyUp:
        case vEventKind::TextInput: DispatchKey(event); break;
        case vEventKind::Resize: Resized(event.width, event.height); break;
        case vEventKind::Close: app_.FrameCloseRequested(); break;
        case vEventKind::Terminate: app_.TerminateRequested(); break;
        case vEventKind::Expose: RequestCompose(); break;
        case vEventKind::FocusIn: DispatchFocus(true); break;
        case vEventKind::FocusOut: DispatchFocus(false); break;
        case vEventKind::Drop: app_.FilesDropped({event.text}, event.x, event.y - ClientOrigin()); break;
        case vEventKind::Timer: app_.TimerFired(event.timerId); break;
        case vEventKind::PointerLeave: break;
    }
}

vView* vFrame::PointerTarget(int x, int y) {
    if (capture_) return capture_;
    return root_.FindAt(x, y);
}

// A handler may end the view it runs in, or take it out of the tree: the walk holds
// each view by a reference that tells, and an event whose view went is used up.
bool vFrame::Deliver(vView* view, const vPlatformEvent& event) {
    vPlatformEvent local = event;
    for (vView* at = view; at && at != &root_;) {
        local.x = event.x - at->Bounds().x;
        local.y = event.y - at->Bounds().y;
        vViewRef held(at);
        if (at->HandleInput(local) || !held.Get()) return true;
        at = at->Parent();
    }
    return false;
}

void vFrame::UpdateCursor(vView* view) {
    vCursorShape shape = view ? view->Cursor() : vCursorShape::Arrow;
    if (shape == cursor_ || !platform_) return;
    cursor_ = shape;
    platform_->SetCursor(shape);
}

// A press on a command window activates it and gives it the keyboard; a press on a
// floating view raises it and moves the focus into it.
void vFrame::PressActivates(vView* target) {
    for (vView* at = target; at; at = at->Parent()) {
        if (at->Parent() == &floatLayer_) {
            RaiseFloating(at);
            if (!focus_ || !focus_->IsInside(at)) SetFocus(at);
            return;
        }
        if (at->Parent() == &windowArea_) {
            if (vWindow* window = app_.Registry().WindowOfView(at)) {
                if (window != app_.ActiveWindow()) app_.ActivateWindow(window);
                SetFocus(nullptr);
            }
            return;
        }
    }
}

void vFrame::DispatchPointer(const vPlatformEvent& event) {
    vView* target = PointerTarget(event.x, event.y);
    if (!target || !AcceptsInput(target)) {
        UpdateCursor(nullptr);
        return;
    }
    if (event.kind == vEventKind::PointerMove) UpdateCursor(target);
    if (event.kind == vEventKind::ButtonDown && !capture_) {
        // Moving the focus tells the views it leaves, and they may close what was pressed.
        vViewRef held(target);
        PressActivates(target);
        if (!held.Get() || !Holds(target) || !AcceptsInput(target)) return;
    }
    Deliver(target, event);
}

void vFrame::DispatchKey(const vPlatformEvent& event) {
    vView* target = focus_;
    if (TopModal() && (!target || !AcceptsInput(target))) target = TopModal();
    if (target && Deliver(target, event)) return;
    if (TopModal() || app_.IsQuitting()) return;
    // Alt with a menu's letter, and F10, open the menu bar before the window hears them.
    if (menuStrip_ && event.kind == vEventKind::KeyDown && Deliver(menuStrip_, event)) return;
    vWindow* active = app_.ActiveWindow();
    if (!active || !active->IsBuilt()) return;
    for (const vKeyStroke& stroke : vTranslateKey(event)) {
        active->DispatchKey(stroke.code, stroke.shift);
        // A key may close the window or end the program; the rest is not for it.
        if (active != app_.ActiveWindow() || app_.IsLoopEnded()) break;
    }
}

void vFrame::DispatchFocus(bool gained) {
    if (gained == osFocus_) return;
    if (!gained) {
        if (focus_) focus_->OnFocusChange(false);
        else if (vWindow* active = app_.ActiveWindow()) active->FocusLost();
        osFocus_ = false;
        return;
    }
    osFocus_ = true;
    if (focus_) focus_->OnFocusChange(true);
    else if (vWindow* active = app_.ActiveWindow()) active->FocusGained();
}
