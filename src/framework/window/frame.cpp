#include "framework/window/frame.h"

#include <algorithm>

#include "framework/look/program_icon.h"
#include "framework/look/system_colors.h"
#include "framework/window/app.h"
#include "framework/window/window.h"

vFrame::vFrame(vApp& app) : app_(app) {
    root_.BecomeRootOf(this);
    root_.SetHasSurface(false);
    windowArea_.SetHasSurface(false);
    barLayer_.SetHasSurface(false);
    menuLayer_.SetHasSurface(false);
    floatLayer_.SetHasSurface(false);
    root_.AddChild(&windowArea_);
    root_.AddChild(&barLayer_);
    root_.AddChild(&menuLayer_);
    root_.AddChild(&floatLayer_);
}

// The layers leave the tree as members go; the frame no longer listens by then.
vFrame::~vFrame() { root_.BecomeRootOf(nullptr); }

bool vFrame::Create(vPlatform& platform, const std::string& title, int width, int height,
                    std::string& error) {
    if (!platform.CreateFrame(title, width, height, error)) return false;
    platform_ = &platform;
    platform.SetFrameIcon(vProgramIcon());
    int clientW = 0, clientH = 0;
    platform.FrameClientSize(clientW, clientH);
    Resized(clientW, clientH);
    return true;
}

void vFrame::Destroy() {
    if (!platform_) return;
    platform_->DestroyFrame();
    platform_ = nullptr;
    focus_ = capture_ = nullptr;
    modal_.clear();
}

// ---- Geometry -------------------------------------------------------------------------------

vRect vFrame::ClientArea() const {
    return vRect{0, kMenuBarHeight, Width(), std::max(Height() - kMenuBarHeight, 0)};
}

void vFrame::SetWindowArea(const vRect& area) { windowArea_.SetBounds(area.x, area.y, area.w, area.h); }

void vFrame::Resized(int width, int height) {
    if (width <= 0 || height <= 0) return;
    width_ = width;
    height_ = height;
    root_.SetBounds(0, 0, width, height);
    for (vView* layer : {&barLayer_, &menuLayer_, &floatLayer_}) layer->SetBounds(0, 0, width, height);
    if (ownMenu_) ownMenu_->SetBounds(0, 0, width, kMenuBarHeight);
    if (menuStrip_) menuStrip_->SetBounds(0, 0, width, kMenuBarHeight);
    app_.Layout().Arrange();
    RequestCompose();
}

// ---- Views ----------------------------------------------------------------------------------

void vFrame::SetOwnMenu(std::unique_ptr<vView> menu) {
    if (ownMenu_) {
        Forget(ownMenu_.get());
        menuLayer_.RemoveChild(ownMenu_.get());
    }
    ownMenu_ = std::move(menu);
    if (!ownMenu_) return;
    menuLayer_.AddChild(ownMenu_.get());
    ownMenu_->SetBounds(0, 0, Width(), kMenuBarHeight);
    ownMenu_->SetShown(menuStrip_ == nullptr);
}

void vFrame::SetMenuStrip(vView* strip) {
    if (strip == menuStrip_) return;
    // The strip going away closes its open menu, which holds the pointer and the keyboard.
    if (vView* old = menuStrip_) {
        Forget(old);
        menuLayer_.RemoveChild(old);
    } else if (ownMenu_ && capture_ && capture_->IsInside(ownMenu_.get())) {
        // An open own menu holds the pointer; losing it closes the menu.
        TakeCaptureAway();
    }
    menuStrip_ = strip;
    if (ownMenu_) ownMenu_->SetShown(strip == nullptr);
    if (strip) {
        menuLayer_.AddChild(strip);
        strip->SetBounds(0, 0, Width(), kMenuBarHeight);
        strip->SetShown(true);
    }
    RequestCompose();
}

void vFrame::AddFloating(vView* view) {
    if (!view) return;
    floatLayer_.AddChild(view);
    RequestCompose();
}

void vFrame::RemoveFloating(vView* view) {
    if (!view || view->Parent() != &floatLayer_) return;
    Forget(view);
    floatLayer_.RemoveChild(view);
}

void vFrame::RaiseFloating(vView* view) {
    if (view && view->Parent() == &floatLayer_) floatLayer_.RaiseChild(view);
}

bool vFrame::IsFloating(const vView* view) const { return view && view->Parent() == &floatLayer_; }

// ---- Focus, capture, modal ------------------------------------------------------------------

void vFrame::SetFocus(vView* view) {
    if (view == focus_ || (view && !Holds(view))) return;
    vView* old = focus_;
    focus_ = view;
    if (old && osFocus_) old->OnFocusChange(false);
    if (focus_ == view && view && osFocus_) view->OnFocusChange(true);
    FocusMoved(old);
}

// The active window has the focus while no view outside it holds the focus.
void vFrame::FocusMoved(vView* old) {
    vWindow* active = app_.ActiveWindow();
    if (!active || !osFocus_) return;
    bool windowHad = old == nullptr || old->IsInside(&active->View());
    bool windowHas = focus_ == nullptr || focus_->IsInside(&active->View());
    if (windowHad && !windowHas) active->FocusLost();
    if (!windowHad && windowHas) active->FocusGained();
}

bool vFrame::CapturePointer(vView* view) {
    if (view && !Holds(view)) return false;
    if (capture_ && capture_ != view) TakeCaptureAway();
    capture_ = view;
    if (platform_) platform_->CapturePointer(view != nullptr);
    return true;
}

void vFrame::ReleasePointer(vView* view) {
    if (capture_ != view) return;
    capture_ = nullptr;
    if (platform_) platform_->CapturePointer(false);
}

// The view is told after the capture is gone, so it may capture again.
void vFrame::TakeCaptureAway() {
    vView* lost = capture_;
    ReleasePointer(lost);
    lost->OnCaptureLost();
}

bool vFrame::PushModal(vView* view) {
    if (!Holds(view)) return false;
    modal_.push_back(view);
    if (capture_ && !AcceptsInput(capture_)) TakeCaptureAway();
    return true;
}

void vFrame::PopModal(vView* view) {
    auto found = std::find(modal_.begin(), modal_.end(), view);
    if (found != modal_.end()) modal_.erase(found);
}

// Under a modal view only the view itself, its descendants and floating views raised
// above it take input.
bool vFrame::AcceptsInput(const vView* view) const {
    const vView* modal = TopModal();
    if (!modal || !view) return true;
    if (view->IsInside(modal)) return true;
    const auto& floats = floatLayer_.Children();
    auto modalAt = std::find(floats.begin(), floats.end(), modal);
    for (auto above = modalAt == floats.end() ? floats.end() : modalAt + 1; above != floats.end(); ++above) {
        if (view->IsInside(*above)) return true;
    }
    return false;
}

void vFrame::RememberFocus(const void* owner) {
    RecallFocus(owner);
    rememberedFocus_.emplace_back(owner, focus_);
}

vView* vFrame::RecallFocus(const void* owner) {
    auto entry = std::find_if(rememberedFocus_.begin(), rememberedFocus_.end(),
                              [owner](const auto& kept) { return kept.first == owner; });
    if (entry == rememberedFocus_.end()) return nullptr;
    vView* holder = entry->second;
    rememberedFocus_.erase(entry);
    return holder;
}

void vFrame::Forget(vView* view) {
    for (auto& kept : rememberedFocus_) {
        if (kept.second && kept.second->IsInside(view)) kept.second = nullptr;
    }
    if (focus_ && focus_->IsInside(view)) {
        vView* old = focus_;
        focus_ = nullptr;
        FocusMoved(old);
    }
    if (capture_ && capture_->IsInside(view)) TakeCaptureAway();
    if (menuStrip_ == view) {
        menuStrip_ = nullptr;
        if (ownMenu_) ownMenu_->SetShown(true);
    }
    modal_.erase(std::remove(modal_.begin(), modal_.end(), view), modal_.end());
}

// ---- Composition ----------------------------------------------------------------------------

bool vFrame::WindowAreaCovered() const {
    const vRect& area = windowArea_.Bounds();
    for (const vView* window : windowArea_.Children()) {
        const vRect& b = window->Bounds();
        if (window->IsShown() && window->HasSurface() && b.x <= area.x && b.y <= area.y &&
            b.x + b.w >= area.x + area.w && b.y + b.h >= area.y + area.h) {
            return true;
        }
    }
    return false;
}

void vFrame::Compose() {
    if (width_ != raster_.Width() || height_ != raster_.Height()) raster_.Resize(width_, height_);
    if (raster_.IsEmpty()) return;
    vRect area = windowArea_.Bounds();
    if (!WindowAreaCovered()) FillWorkspace(area);
    root_.ComposeInto(raster_, vRect{0, 0, Width(), Height()});
}

void vFrame::FillWorkspace(const vRect& area) {
    for (int row = std::max(area.y, 0); row < std::min(area.y + area.h, Height()); ++row) {
        std::fill(raster_.Row(row) + std::max(area.x, 0),
                  raster_.Row(row) + std::min(area.x + area.w, Width()), vColorAppWorkspace.Pixel());
    }
}

void vFrame::Refresh() {
    PaintPending(true);
    PresentNow();
}

void vFrame::PaintPending(bool idle) {
    if (!platform_ || refreshing_) return;
    refreshing_ = true;
    root_.PaintInvalid(idle);
    refreshing_ = false;
}

void vFrame::PresentNow() {
    if (!platform_ || refreshing_ || !dirty_) return;
    refreshing_ = true;
    Compose();
    platform_->Present(raster_);
    dirty_ = false;
    lastPresent_ = platform_->NowMs();
    ++presentCount_;
    refreshing_ = false;
}

void vFrame::PresentIfDue() {
    if (!platform_ || refreshing_ || !dirty_) return;
    int interval = platform_->FrameInterval();
    if (interval <= 0) return;
    if (platform_->NowMs() - lastPresent_ < uint64_t(interval)) return;
    PaintPending(false);
    PresentNow();
}

void vFrame::PresentDrawn() {
    if (!platform_ || platform_->FrameInterval() <= 0) return;
    PaintPending(false);
    PresentNow();
}

int vFrame::MsUntilPresent() const {
    if (!platform_ || !dirty_) return -1;
    uint64_t interval = uint64_t(std::max(platform_->FrameInterval(), 0));
    uint64_t since = platform_->NowMs() - lastPresent_;
    return since >= interval ? 0 : int(interval - since);
}
