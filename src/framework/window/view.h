#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "framework/draw/geometry.h"
#include "framework/draw/raster.h"
#include "framework/draw/win_dc.h"
#include "framework/platform/platform.h"

class vApp;
class vFrame;
class vView;

// A hold on a view that outlives it: Get() gives null once the view is destroyed. Event
// delivery and modal runs hold the views they walk by these, since a handler may end
// the view it runs in (a double click that chooses a file closes its chooser).
class vViewRef {
public:
    vViewRef() = default;
    explicit vViewRef(const vView* view);
    vView* Get() const { return life_ ? *life_ : nullptr; }

private:
    std::shared_ptr<vView*> life_;
};

// A rectangle of the frame with pixels of its own. Everything the user sees is a view:
// the menu strip, the bars, the command windows, the canvas, the scroll bars, dialogs,
// popup menus. Views form a tree under the frame's root; a child is composed over its
// parent and clipped to it, later children over earlier ones.
//
// Bounds are in frame raster coordinates (the raster the platform presents, menu strip
// included). Events reach a view with coordinates relative to its own top-left corner.
class vView {
public:
    vView() = default;
    vView(const vView&) = delete;
    vView& operator=(const vView&) = delete;
    virtual ~vView();

    const vRect& Bounds() const { return bounds_; }
    // Moves and resizes; the surface keeps the pixels that still fit and the view is
    // invalidated when its size changed. Children move along with their parent.
    void SetBounds(int x, int y, int width, int height);
    void MoveBy(int dx, int dy);
    bool Contains(int frameX, int frameY) const;

    bool IsShown() const { return shown_; }
    void SetShown(bool shown);
    // Shown, and every ancestor shown: the view takes part in composition and input.
    bool IsVisible() const;

    // The view's own pixels, bounds-sized. A view without a surface (a container)
    // composes only its children.
    Raster& Surface() { return surface_; }
    void SetHasSurface(bool has);
    bool HasSurface() const { return hasSurface_; }
    // A view whose pixels are all one colour keeps no surface of its own: composition
    // fills what its children leave showing. Clearing the colour brings the surface back.
    void SetFlatColor(std::optional<uint32_t> pixel);

    // Asks for Paint before the next composition.
    void Invalidate();
    bool NeedsPaint() const { return needsPaint_; }
    // Says the surface was drawn on outside Paint, so the frame must be composed again.
    void SurfaceChanged();

    // Redraws the whole surface. Called by the frame, before composing, for an
    // invalidated visible view.
    virtual void Paint() {}
    void PaintNow();
    // Handles one input event (coordinates relative to the view) and says whether it
    // used it; an unused event goes on to the parent.
    virtual bool HandleInput(const vPlatformEvent& /*event*/) { return false; }
    // Keyboard focus arrived at (true) or left (false) this view.
    virtual void OnFocusChange(bool /*hasFocus*/) {}
    // The frame took the pointer capture away (a modal box opened, the window closed)
    // before the view released it: a press in progress is over.
    virtual void OnCaptureLost() {}
    // The pointer shape over this view.
    virtual vCursorShape Cursor() const { return vCursorShape::Arrow; }
    // Whether pointer events at (frameX, frameY) belong to this view (default: inside it).
    virtual bool HitTest(int frameX, int frameY) const { return Contains(frameX, frameY); }

    // ---- The tree ------------------------------------------------------------------------
    void AddChild(vView* child);
    void RemoveChild(vView* child);
    void RaiseChild(vView* child);  // to the top of its siblings
    vView* Parent() const { return parent_; }
    const std::vector<vView*>& Children() const { return children_; }
    bool IsInside(const vView* ancestor) const;  // this view is ancestor or lies within it
    // The frame whose tree holds this view, found through the parents; null while the
    // view is outside every frame.
    vFrame* Frame() const;
    // The application of that frame; null while the view is outside every frame.
    vApp* App() const;
    // The text renderer of that frame's platform; null while the view is outside every frame.
    vTextRenderer* TextRenderer() const;
    // Makes this view the root of frame's tree.
    void BecomeRootOf(vFrame* frame) { rootOf_ = frame; }

    // The deepest visible view at (frameX, frameY): this one, a descendant, or null.
    // Views without a surface are never found themselves, only their children.
    vView* FindAt(int frameX, int frameY);
    // Copies this view and its visible descendants into frame, clipped to clip.
    virtual void ComposeInto(Raster& frame, const vRect& clip) const;
    // Paints every invalidated visible view of this subtree; outside idle time, views
    // that paint only when idle are left for later.
    void PaintInvalid(bool idle);
    // Whether Paint calls back into the application, so it must wait for idle time.
    virtual bool PaintsOnlyWhenIdle() const { return false; }

private:
    void ResizeSurface(int width, int height);
    void Detach();
    void RequestCompose() const;
    std::vector<vRect> ChildCover(const vRect& area) const;
    void CopyRows(Raster& frame, int left, int right, int top, int bottom) const;
    void CopyUncovered(Raster& frame, const vRect& area) const;

    vRect bounds_;
    Raster surface_;
    bool hasSurface_ = true;
    std::optional<uint32_t> flatColor_;
    bool shown_ = true;
    bool needsPaint_ = true;
    vView* parent_ = nullptr;
    std::vector<vView*> children_;
    vFrame* rootOf_ = nullptr;
    // Points at this view until it is destroyed; vViewRef shares it.
    std::shared_ptr<vView*> life_ = std::make_shared<vView*>(this);

    friend class vViewRef;
};

// A drawing context on a view's surface. Drawing marks the frame for composition.
class vViewDC : public vWinDC {
public:
    explicit vViewDC(vView& view) : view_(view) {}
    Raster* AcquireSurface() override;
    void ReleaseSurface() override;
    vTextRenderer* TextRenderer() override { return view_.TextRenderer(); }

private:
    vView& view_;
};

// Intersection of two rectangles; width or height 0 when they do not meet.
vRect vIntersect(const vRect& a, const vRect& b);
