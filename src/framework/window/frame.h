#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/draw/raster.h"
#include "framework/platform/platform.h"
#include "framework/window/view.h"

class vApp;

// The frame window as the framework sees it: one raster composed from views.
//
//   +------------------------------------------+  y = 0
//   | menu strip (MenuBarHeight)               |
//   +------------------------------------------+  y = ClientOrigin(): the frame's
//   | command bars                             |  client area starts here; dialog
//   |   command windows (WindowArea)           |  positions are relative to it
//   | status bars                              |
//   +------------------------------------------+
//
// Composition order, bottom to top: the window area with its windows, the bars, the
// menu strip, then floating views (dialogs, popup menus, tips) in the order they were
// registered or raised. The raster goes to the platform only when something changed.
class vFrame {
public:
    static constexpr int kMenuBarHeight = 20;

    explicit vFrame(vApp& app);
    ~vFrame();

    bool Create(vPlatform& platform, const std::string& title, int width, int height,
                std::string& error);
    void Destroy();
    bool Exists() const { return platform_ != nullptr; }
    vApp& App() const { return app_; }
    vPlatform* Platform() const { return platform_; }
    // The platform's text renderer while the frame exists: what every view draws text with.
    vTextRenderer* TextRenderer() const { return platform_ ? &platform_->TextRenderer() : nullptr; }

    // ---- Geometry (frame raster coordinates) --------------------------------------------
    int Width() const { return width_; }
    int Height() const { return height_; }
    int ClientOrigin() const { return kMenuBarHeight; }
    // The frame's client area: everything under the menu strip.
    vRect ClientArea() const;
    // The part of the client area between the bars, where command windows live.
    vRect WindowArea() const { return windowArea_.Bounds(); }
    void SetWindowArea(const vRect& area);

    // ---- Views --------------------------------------------------------------------------
    vView& Root() { return root_; }
    vView& WindowLayer() { return windowArea_; }
    vView& BarLayer() { return barLayer_; }
    // The view shown in the menu strip: a window's menu pane, or null for the frame's
    // own menu.
    void SetMenuStrip(vView* strip);
    vView* MenuStrip() const { return menuStrip_; }
    // The menu shown while no window menu is installed. The layer that builds menus
    // makes it, since the window layer cannot; without one the strip stays empty.
    void SetOwnMenu(std::unique_ptr<vView> menu);
    vView* OwnMenu() const { return ownMenu_.get(); }

    // Floating views: dialogs, popup menus and tips, on top of everything. They get
    // pointer events before anything under them. Positions are frame raster coordinates.
    void AddFloating(vView* view);
    void RemoveFloating(vView* view);
    void RaiseFloating(vView* view);
    bool IsFloating(const vView* view) const;

    // ---- Focus, capture, modal ------------------------------------------------------------
    // The frame refers only to views in its tree, and forgets a view, and everything
    // under it, as it leaves the tree or is destroyed: a view outside the tree (a dialog
    // closed by the event still being handled) can take neither focus nor capture.
    //
    // The view that gets key events; null sends them to the active command window.
    void SetFocus(vView* view);
    vView* Focus() const { return focus_; }
    // While a view holds the capture, every pointer event goes to it (drags). A view
    // that loses it to another view, to a modal view or to its own removal is told.
    // False, and nothing captured, for a view outside the tree.
    bool CapturePointer(vView* view);
    void ReleasePointer(vView* view);
    vView* Capture() const { return capture_; }
    // A modal view blocks input to everything under it. False for a view outside the tree.
    bool PushModal(vView* view);
    void PopModal(vView* view);
    vView* TopModal() const { return modal_.empty() ? nullptr : modal_.back(); }
    bool AcceptsInput(const vView* view) const;
    // A box or dialog keeps the focus holder it took the keyboard from, to give it back
    // when it goes. The frame keeps it, so that a holder destroyed meanwhile is dropped.
    void RememberFocus(const void* owner);
    vView* RecallFocus(const void* owner);
    // A view is going away: forget every reference to it.
    void Forget(vView* view);

    // ---- Composition -----------------------------------------------------------------------
    void RequestCompose() { dirty_ = true; }
    bool NeedsCompose() const { return dirty_; }
    // Paints invalidated views; composes and presents when something changed.
    void Refresh();
    // Paints invalidated views. Outside idle time, views that call back into the
    // application while painting (a canvas) wait for the next idle time.
    void PaintPending(bool idle);
    // Composes and presents when something changed.
    void PresentNow();
    // Presents when a display frame has passed since the last presentation; drawing
    // that changes pixels outside the event loop calls it, so long work stays visible.
    void PresentIfDue();
    // The same at once, for the first thing long work draws; a backend without a display
    // rate still waits for idle time.
    void PresentDrawn();
    // Milliseconds until the next presentation may happen (0: now; -1: nothing to show).
    int MsUntilPresent() const;
    const Raster& Pixels() const { return raster_; }
    void Compose();

    // ---- Events -----------------------------------------------------------------------------
    void Dispatch(const vPlatformEvent& event);
    // The platform's size of the frame's client changed.
    void Resized(int width, int height);

    uint64_t PresentCount() const { return presentCount_; }

private:
    void DispatchPointer(const vPlatformEvent& event);
    void DispatchKey(const vPlatformEvent& event);
    void DispatchFocus(bool gained);
    vView* PointerTarget(int x, int y);
    bool Deliver(vView* view, const vPlatformEvent& event);
    bool Holds(const vView* view) const { return view && view->Frame() == this; }
    void UpdateCursor(vView* view);
    void PressActivates(vView* target);
    void FocusMoved(vView* old);
    void TakeCaptureAway();
    bool WindowAreaCovered() const;
    void FillWorkspace(const vRect& area);

    vApp& app_;
    vPlatform* platform_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    // Takes the frame's size when composed, so a burst of resizes makes one raster.
    Raster raster_;
    vView root_;
    vView windowArea_;
    vView barLayer_;
    vView menuLayer_;
    vView floatLayer_;
    std::unique_ptr<vView> ownMenu_;
    vView* menuStrip_ = nullptr;
    vView* focus_ = nullptr;
    vView* capture_ = nullptr;
    std::vector<vView*> modal_;
    std::vector<std::pair<const void*, vView*>> rememberedFocus_;
    vCursorShape cursor_ = vCursorShape::Arrow;
    bool dirty_ = true;
    bool refreshing_ = false;
    bool osFocus_ = true;
    uint64_t lastPresent_ = 0;
    uint64_t presentCount_ = 0;
};
