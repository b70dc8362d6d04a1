#include "framework/canvas/canvas_pane.h"

#include <algorithm>
#include <cstdlib>

#include "framework/canvas/canvas_pane_dc.h"
#include "framework/window/app.h"
#include "framework/window/window.h"

namespace {

constexpr int kStepsPerWheelNotch = 3;

bool InScale(int value) { return value >= 0 && value <= 100; }

}  // namespace

vCanvasPane::vCanvasPane()
    : vPane(vPaneCanvas),
      hBar_(true, [this](vScrollAction action, int position) { ScrollAction(true, action, position); }),
      vBar_(false, [this](vScrollAction action, int position) { ScrollAction(false, action, position); }) {
    hBar_.SetShown(false);
    vBar_.SetShown(false);
}

vCanvasPane::~vCanvasPane() {
    if (window_ && window_->CanvasPane() == this) window_->SetCanvasPane(nullptr);
}

void vCanvasPane::Attach(vWindow* window) {
    if (!window) return;
    hState_ = BarState{};
    vState_ = BarState{};
    vPane::Attach(window);
    window->SetCanvasPane(this);
    vWindowView& view = window->View();
    view.AddChild(this);
    view.AddChild(&hBar_);
    view.AddChild(&vBar_);
    vApp* app = WindowApp();
    bool single = app && app->IsSingleWindow();
    vRect client = window->ClientRect();
    width_ = single ? window->RequestedWidth() : client.w;
    height_ = single ? window->RequestedHeight() : client.h;
    CreateDC();
    window->SetRequestedSize(width_, height_);
    SetHScroll(100, 0);
    SetVScroll(100, 0);
    hState_.displayed = vState_.displayed = false;
    hBar_.SetShown(false);
    vBar_.SetShown(false);
    SetBounds(client.x, client.y, client.w, client.h);
    FocusGained();
    if (single && width_ > 0 && height_ > 0 && window->IsBuilt()) FitFrameToPane(*app, *window);
    RequestRepaint(0, 0, 0, 0);
}

// The frame grows or shrinks so that the command window's outer area is exactly the
// pane's size.
void vCanvasPane::FitFrameToPane(vApp& app, vWindow& window) {
    int frameW = 0, frameH = 0;
    app.FrameOuterSize(frameW, frameH);
    const vRect& outer = window.View().Bounds();
    app.ResizeFrameOuter(frameW + (width_ - outer.w), height_ + frameH - outer.h);
}

void vCanvasPane::ShowPane(int on) {
    paneOn_ = on != 0;
    SetShown(paneOn_);
    hBar_.SetShown(paneOn_ && hState_.displayed);
    vBar_.SetShown(paneOn_ && vState_.displayed);
}

// ---- Geometry and size changes --------------------------------------------------------------

void vCanvasPane::PlaceIn(const vRect& client) {
    int bar = vScrollBar::kThickness;
    int w = std::max(client.w - (vState_.displayed ? bar : 0), 0);
    int h = std::max(client.h - (hState_.displayed ? bar : 0), 0);
    SetBounds(client.x, client.y, w, h);
    hBar_.SetBounds(client.x, client.y + h, w, bar);
    vBar_.SetBounds(client.x + w, client.y, bar, h);
    if (window_ && (w != width_ || h != height_)) SizeChanged(w, h);
}

void vCanvasPane::SizeChanged(int width, int height) {
    width_ = width;
    height_ = height;
    if (window_) window_->SetRequestedSize(width, height);
    OnResize(width, height);
    RequestRepaint(0, 0, 0, 0);
}

void vCanvasPane::RequestRepaint(int x, int y, int width, int height) {
    vRect area{x, y, width, height};
    if (width <= 0 || height <= 0) area = vRect{0, 0, width_, height_};
    if (repaintPending_) {
        int left = std::min(area.x, repaintArea_.x), top = std::min(area.y, repaintArea_.y);
        int right = std::max(area.x + area.w, repaintArea_.x + repaintArea_.w);
        int bottom = std::max(area.y + area.h, repaintArea_.y + repaintArea_.h);
        area = vRect{left, top, right - left, bottom - top};
    }
    repaintArea_ = area;
    repaintPending_ = true;
    Invalidate();
}

// Runs at idle time: a size that changed since the pane last saw it is reported
// first, then the pending area is erased and redrawn by the application.
void vCanvasPane::Paint() {
    if (!window_) return;
    const vRect& b = Bounds();
    if (b.w != width_ || b.h != height_) SizeChanged(b.w, b.h);
    if (!repaintPending_) return;
    repaintPending_ = false;
    vRect area = repaintArea_;
    if (dc_) dc_->OpenPaint();
    if (area.w > 0 && area.h > 0) {
        EraseAround(area, RedrawCover());
        OnRedraw(area.x, area.y, area.w, area.h);
    } else {
        OnRedraw(0, 0, 0, 0);
    }
    if (dc_) dc_->ClosePaint();
}

// Erases the bands of area above and below cover, then the pieces left and right of it.
void vCanvasPane::EraseAround(const vRect& area, const vRect& cover) {
    vRect kept = vIntersect(area, cover);
    if (kept.w <= 0 || kept.h <= 0) {
        EraseArea(area.x, area.y, area.w, area.h);
        return;
    }
    const int right = area.x + area.w, bottom = area.y + area.h;
    EraseArea(area.x, area.y, area.w, kept.y - area.y);
    EraseArea(area.x, kept.y + kept.h, area.w, bottom - kept.y - kept.h);
    EraseArea(area.x, kept.y, kept.x - area.x, kept.h);
    EraseArea(kept.x + kept.w, kept.y, right - kept.x - kept.w, kept.h);
}

// ---- Scroll bars ----------------------------------------------------------------------------

void vCanvasPane::OnHStep(int step) {
    int top = std::clamp(hState_.top + (step > 0 ? 1 : step < 0 ? -1 : 0), 0, 100);
    SetHScroll(hState_.shown, top);
}

void vCanvasPane::OnVStep(int step) {
    int top = std::clamp(vState_.top + (step > 0 ? 1 : step < 0 ? -1 : 0), 0, 100);
    SetVScroll(vState_.shown, top);
}

void vCanvasPane::SetHScroll(int shown, int top) { SetScroll(hState_, hBar_, shown, top); }
void vCanvasPane::SetVScroll(int shown, int top) { SetScroll(vState_, vBar_, shown, top); }

void vCanvasPane::SetScroll(BarState& state, vScrollBar& bar, int shown, int top) {
    if (!InScale(shown) || !InScale(top)) return;
    state.shown = shown;
    state.top = top;
    bar.SetValues(shown, top);
}

int vCanvasPane::GetVScroll(int& shown, int& top) {
    shown = vState_.shown;
    top = vState_.top;
    return vState_.displayed ? 1 : 0;
}

int vCanvasPane::GetHScroll(int& shown, int& top) {
    shown = hState_.shown;
    top = hState_.top;
    return hState_.displayed ? 1 : 0;
}

void vCanvasPane::ShowHScroll(int on) { ShowScroll(hState_, hBar_, on); }
void vCanvasPane::ShowVScroll(int on) { ShowScroll(vState_, vBar_, on); }

// A bar takes its room from the drawing area, which is a size change.
void vCanvasPane::ShowScroll(BarState& state, vScrollBar& bar, int on) {
    bool wanted = on != 0;
    if (state.displayed == wanted) return;
    state.displayed = wanted;
    bar.SetShown(wanted && paneOn_);
    if (window_ && window_->IsBuilt()) window_->LayoutClient();
}

void vCanvasPane::ScrollAction(bool horizontal, vScrollAction action, int position) {
    BarState& state = horizontal ? hState_ : vState_;
    int top = state.top;
    switch (action) {
        case vScrollAction::StepBack: horizontal ? OnHStep(-1) : OnVStep(-1); return;
        case vScrollAction::StepForward: horizontal ? OnHStep(1) : OnVStep(1); return;
        case vScrollAction::PageBack: top = top < 10 ? 0 : top - 10; break;
        case vScrollAction::PageForward: top = top > 90 ? 100 : top + 10; break;
        case vScrollAction::ThumbPosition: top = std::clamp(position, 0, 100); break;
        case vScrollAction::JumpStart: top = 0; break;
        case vScrollAction::JumpEnd: top = 100; break;
        case vScrollAction::ThumbTrack:
        case vScrollAction::EndScroll: return;
    }
    state.top = top;
    horizontal ? OnHPage(state.shown, top) : OnVPage(state.shown, top);
}

// ---- Focus ----------------------------------------------------------------------------------

void vCanvasPane::FocusGained() {
    if (hasFocus_) return;
    hasFocus_ = true;
    OnFocusIn();
}

void vCanvasPane::FocusLost() {
    if (!hasFocus_) return;
    hasFocus_ = false;
    OnFocusOut();
}

void vCanvasPane::OnFocusChange(bool hasFocus) { hasFocus ? FocusGained() : FocusLost(); }

void vCanvasPane::CreateDC() {
    if (!dc_) dc_ = std::make_unique<vCanvasPaneDC>(this);
}

// ---- Mouse ----------------------------------------------------------------------------------

bool vCanvasPane::HandleInput(const vPlatformEvent& event) {
    if (!window_) return false;
    switch (event.kind) {
        case vEventKind::ButtonDown: MouseButton(event, true); return true;
        case vEventKind::ButtonUp: MouseButton(event, false); return true;
        case vEventKind::PointerMove: MouseMoved(event); return true;
        case vEventKind::Wheel: Wheel(event); return true;
        default: return false;
    }
}

void vCanvasPane::MouseButton(const vPlatformEvent& event, bool down) {
    int x = std::max(event.x, 0), y = std::max(event.y, 0);
    if (event.button != 1) {
        if (event.button != 2 && event.button != 3) return;
        down ? OnMouseDown(x, y, event.button) : OnMouseUp(x, y, event.button);
        return;
    }
    if (!down) {
        bool wasDown = window_->IsLeftDown();
        window_->SetLeftDown(false);
        if (wasDown) OnMouseUp(x, y, 1);
        return;
    }
    vWindow* previous = window_->PreviousActive();
    if (window_->JustActivated() && previous && previous != window_) {
        // The press only brought the window to the front.
        window_->ClearJustActivated();
        return;
    }
    window_->SetLeftDown(true);
    OnMouseDown(x, y, 1);
}

void vCanvasPane::MouseMoved(const vPlatformEvent& event) {
    int x = std::max(event.x, 0), y = std::max(event.y, 0);
    bool left = event.buttons & vButtonMask(1);
    if (left && window_->IsLeftDown()) OnMouseDrag(x, y, 1);
    else if (!left && (event.buttons & vButtonMask(2))) OnMouseDrag(x, y, 2);
    else if (!left && (event.buttons & vButtonMask(3))) OnMouseDrag(x, y, 3);
    else OnMouseHover(x, y);
}

// The wheel works the arrows of a displayed bar: vertical, or horizontal with Shift
// or a sideways wheel. Away from the user, or to the left, goes towards the start.
void vCanvasPane::Wheel(const vPlatformEvent& event) {
    if (event.modifiers & vModControl) {
        if (event.wheelY != 0) OnZoomWheel(event.x, event.y, event.wheelY);
        return;
    }
    bool sideways = event.wheelX != 0 || (event.modifiers & vModShift);
    int towardsEnd = event.wheelX != 0 ? event.wheelX : -event.wheelY;
    if (towardsEnd == 0 || !(sideways ? hState_.displayed : vState_.displayed)) return;
    vScrollAction action = towardsEnd > 0 ? vScrollAction::StepForward : vScrollAction::StepBack;
    for (int i = 0; i < kStepsPerWheelNotch * std::abs(towardsEnd); ++i) ScrollAction(sideways, action, 0);
}
