#include "framework/window/view.h"

#include <algorithm>
#include <cstring>

#include "framework/window/frame.h"

vRect vIntersect(const vRect& a, const vRect& b) {
    int left = std::max(a.x, b.x), top = std::max(a.y, b.y);
    int right = std::min(a.x + a.w, b.x + b.w), bottom = std::min(a.y + a.h, b.y + b.h);
    if (right <= left || bottom <= top) return vRect{left, top, 0, 0};
    return vRect{left, top, right - left, bottom - top};
}

vViewRef::vViewRef(const vView* view) : life_(view ? view->life_ : nullptr) {}

// Leaving the tree first lets the frame forget the whole subtree, children included,
// before they lose their way to it.
vView::~vView() {
    *life_ = nullptr;
    Detach();
    for (vView* child : children_) child->parent_ = nullptr;
}

vFrame* vView::Frame() const {
    const vView* view = this;
    while (view->parent_) view = view->parent_;
    return view->rootOf_;
}

vApp* vView::App() const {
    vFrame* frame = Frame();
    return frame ? &frame->App() : nullptr;
}

vTextRenderer* vView::TextRenderer() const {
    vFrame* frame = Frame();
    return frame ? frame->TextRenderer() : nullptr;
}

void vView::RequestCompose() const {
    vFrame* frame = Frame();
    if (frame && frame->Exists()) frame->RequestCompose();
}

void vView::Detach() {
    if (parent_) parent_->RemoveChild(this);
}

// ---- Geometry -------------------------------------------------------------------------------

void vView::SetBounds(int x, int y, int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    MoveBy(x - bounds_.x, y - bounds_.y);
    if (width == bounds_.w && height == bounds_.h) return;
    bounds_.w = width;
    bounds_.h = height;
    if (hasSurface_ && !flatColor_) ResizeSurface(width, height);
    Invalidate();
}

void vView::MoveBy(int dx, int dy) {
    if (dx == 0 && dy == 0) return;
    bounds_.x += dx;
    bounds_.y += dy;
    for (vView* child : children_) child->MoveBy(dx, dy);
    RequestCompose();
}

bool vView::Contains(int frameX, int frameY) const {
    return frameX >= bounds_.x && frameY >= bounds_.y && frameX < bounds_.x + bounds_.w &&
           frameY < bounds_.y + bounds_.h;
}

// Keeps the pixels that still fit: a canvas keeps what was drawn on it. A surface that
// shrinks or grows within its memory, as a canvas does when its scroll bars come and go,
// keeps that memory and no fresh surface is made.
void vView::ResizeSurface(int width, int height) { surface_.ResizeKeeping(width, height, 0xFFFFFF); }

void vView::SetHasSurface(bool has) {
    hasSurface_ = has;
    if (has && !flatColor_) ResizeSurface(bounds_.w, bounds_.h);
    else surface_ = Raster();
}

void vView::SetFlatColor(std::optional<uint32_t> pixel) {
    flatColor_ = pixel;
    SetHasSurface(hasSurface_);  // drops or brings back the surface
    Invalidate();
}

// ---- Visibility and painting ----------------------------------------------------------------

void vView::SetShown(bool shown) {
    if (shown_ == shown) return;
    shown_ = shown;
    if (shown) Invalidate();
    RequestCompose();
}

bool vView::IsVisible() const {
    for (const vView* view = this; view; view = view->parent_) {
        if (!view->shown_) return false;
    }
    return true;
}

void vView::Invalidate() {
    needsPaint_ = true;
    RequestCompose();
}

void vView::SurfaceChanged() {
    vFrame* frame = Frame();
    if (frame && frame->Exists()) {
        frame->RequestCompose();
        frame->PresentIfDue();
    }
}

void vView::PaintNow() {
    needsPaint_ = false;
    Paint();
    RequestCompose();
}

void vView::PaintInvalid(bool idle) {
    if (!shown_) return;
    if (needsPaint_ && (idle || !PaintsOnlyWhenIdle())) PaintNow();
    // Painting may add or remove children; walk a copy.
    std::vector<vView*> children = children_;
    for (vView* child : children) {
        if (std::find(children_.begin(), children_.end(), child) != children_.end()) {
            child->PaintInvalid(idle);
        }
    }
}

// ---- The tree ------------------------------------------------------------------------------

void vView::AddChild(vView* child) {
    if (!child || child == this) return;
    child->Detach();
    child->parent_ = this;
    children_.push_back(child);
    child->Invalidate();
}

void vView::RemoveChild(vView* child) {
    auto found = std::find(children_.begin(), children_.end(), child);
    if (found == children_.end()) return;
    // Leaving the tree ends the view's focus, capture and modal run.
    if (vFrame* frame = Frame()) frame->Forget(child);
    children_.erase(found);
    child->parent_ = nullptr;
    RequestCompose();
}

void vView::RaiseChild(vView* child) {
    auto found = std::find(children_.begin(), children_.end(), child);
    if (found == children_.end()) return;
    std::rotate(found, found + 1, children_.end());
    RequestCompose();
}

bool vView::IsInside(const vView* ancestor) const {
    for (const vView* view = this; view; view = view->parent_) {
        if (view == ancestor) return true;
    }
    return false;
}

vView* vView::FindAt(int frameX, int frameY) {
    if (!shown_ || !HitTest(frameX, frameY)) return nullptr;
    for (auto child = children_.rbegin(); child != children_.rend(); ++child) {
        if (vView* found = (*child)->FindAt(frameX, frameY)) return found;
    }
    // A container without pixels of its own lets the pointer through.
    return hasSurface_ ? this : nullptr;
}

// The parts of area that shown children with pixels of their own cover.
std::vector<vRect> vView::ChildCover(const vRect& area) const {
    std::vector<vRect> covers;
    for (const vView* child : children_) {
        if (!child->shown_ || !child->hasSurface_) continue;
        vRect cover = vIntersect(child->bounds_, area);
        if (cover.w > 0 && cover.h > 0) covers.push_back(cover);
    }
    return covers;
}

// Copies the rows top..bottom of the columns left..right of the surface, or its flat
// colour, into frame.
void vView::CopyRows(Raster& frame, int left, int right, int top, int bottom) const {
    if (flatColor_) {
        for (int y = top; y < bottom; ++y) std::fill(frame.Row(y) + left, frame.Row(y) + right, *flatColor_);
        return;
    }
    for (int y = top; y < bottom; ++y) {
        std::memcpy(frame.Row(y) + left, surface_.Row(y - bounds_.y) + (left - bounds_.x),
                    size_t(right - left) * sizeof(uint32_t));
    }
}

// Copies only what the children leave showing, so a canvas over its window is copied
// once, not twice. The area is cut into bands of rows along the covers' edges; in each
// band the gaps between covers are copied.
void vView::CopyUncovered(Raster& frame, const vRect& area) const {
    std::vector<vRect> covers = ChildCover(area);
    std::vector<int> cuts{area.y, area.y + area.h};
    for (const vRect& cover : covers) cuts.insert(cuts.end(), {cover.y, cover.y + cover.h});
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    std::vector<std::pair<int, int>> spans;
    for (size_t band = 0; band + 1 < cuts.size(); ++band) {
        int top = cuts[band], bottom = cuts[band + 1];
        spans.clear();
        for (const vRect& cover : covers) {
            if (cover.y <= top && cover.y + cover.h >= bottom) spans.emplace_back(cover.x, cover.x + cover.w);
        }
        std::sort(spans.begin(), spans.end());
        int x = area.x;
        for (const auto& [from, to] : spans) {
            if (from > x) CopyRows(frame, x, from, top, bottom);
            x = std::max(x, to);
        }
        if (x < area.x + area.w) CopyRows(frame, x, area.x + area.w, top, bottom);
    }
}

void vView::ComposeInto(Raster& frame, const vRect& clip) const {
    if (!shown_) return;
    vRect area = vIntersect(clip, bounds_);
    if (area.w <= 0 || area.h <= 0) return;
    if (hasSurface_ && (flatColor_ || (surface_.Width() == bounds_.w && surface_.Height() == bounds_.h))) {
        CopyUncovered(frame, area);
    }
    for (const vView* child : children_) child->ComposeInto(frame, area);
}

// ---- Drawing context on a view --------------------------------------------------------------

Raster* vViewDC::AcquireSurface() {
    Raster& surface = view_.Surface();
    return surface.IsEmpty() ? nullptr : &surface;
}

void vViewDC::ReleaseSurface() { view_.SurfaceChanged(); }
