#include <algorithm>

#include "framework/window/app.h"
#include "framework/window/pane.h"
#include "framework/window/window.h"

// ---- Activation -----------------------------------------------------------------------------

void vApp::ActivateWindow(vWindow* window) {
    if (quitting_ || window == activeWindow_ || (window && !window->IsBuilt())) return;
    vWindow* previous = activeWindow_;
    bool windowHadFocus = frame_.Focus() == nullptr;
    if (previous && windowHadFocus) previous->FocusLost();
    if (previous) previous->View().SetActiveLook(false);
    activeWindow_ = window;
    if (window) {
        window->Activated(previous);
        window->View().SetActiveLook(true);
        frame_.WindowLayer().RaiseChild(&window->View());
    }
    ShowPanesOfActiveWindow();
    LayoutPanes();
    if (window && windowHadFocus) window->FocusGained();
}

// ---- Panes ----------------------------------------------------------------------------------

void vApp::AddBarPane(vPane* pane) {
    if (!pane || std::find(barPanes_.begin(), barPanes_.end(), pane) != barPanes_.end()) return;
    barPanes_.insert(barPanes_.begin(), pane);
    frame_.BarLayer().AddChild(pane);
}

void vApp::RemoveBarPane(vPane* pane) {
    auto found = std::find(barPanes_.begin(), barPanes_.end(), pane);
    if (found == barPanes_.end()) return;
    barPanes_.erase(found);
    frame_.BarLayer().RemoveChild(pane);
    LayoutPanes();
}

void vApp::ShowPanesOfActiveWindow() {
    for (vPane* pane : barPanes_) {
        pane->SetShown(activeWindow_ && pane->Window() == activeWindow_ && pane->IsPaneOn());
    }
    vPane* menu = activeWindow_ ? activeWindow_->MenuPane() : nullptr;
    frame_.SetMenuStrip(menu && menu->IsPaneOn() ? menu : nullptr);
}

void vApp::HideAllPanes() {
    for (vPane* pane : barPanes_) pane->SetShown(false);
    frame_.SetMenuStrip(nullptr);
    LayoutPanes();
}

// Newest first: status bars stack upwards from the bottom, command bars downwards
// from the top; the command windows get the rest.
void vApp::LayoutPanes() {
    if (!frame_.Exists()) return;
    vRect client = frame_.ClientArea();
    int top = 0, bottom = client.h;
    for (vPane* pane : barPanes_) {
        if (pane->Window() != activeWindow_ || !pane->IsPaneOn() || !pane->IsShown()) continue;
        int h = pane->BarHeight();
        if (pane->PaneKind() == vPaneStatusBar) {
            pane->SetBounds(0, client.y + bottom - h, client.w, h);
            bottom -= h;
        } else if (pane->PaneKind() == vPaneCommandBar) {
            pane->SetBounds(0, client.y + top, client.w, h);
            top += h;
        }
    }
    frame_.SetWindowArea(vRect{0, client.y + top, client.w, std::max(bottom - top, 0)});
    for (vWindow* window : windows_) {
        if (window->IsBuilt()) window->LayoutClient();
    }
}

// ---- The "&Window" menu -----------------------------------------------------------------------

int vApp::TakeCascadeStep() {
    int step = cascadeStep_;
    cascadeStep_ = (cascadeStep_ + 1) % kCascadeSteps;
    return step;
}

void vApp::CascadeWindows() {
    vRect area = frame_.WindowArea();
    int step = vWindowView::kCaptionHeight + vWindowView::kBorder;
    int offset = 0;
    for (vWindow* window : windows_) {
        if (!window->IsBuilt() || window->View().IsMaximized()) continue;
        window->View().SetBounds(area.x + offset, area.y + offset, std::max(area.w * 3 / 4, 1),
                                 std::max(area.h * 3 / 4, 1));
        window->LayoutClient();
        offset += step;
    }
}

void vApp::TileWindows() {
    std::vector<vWindow*> tiled;
    for (vWindow* window : windows_) {
        if (window->IsBuilt() && !window->View().IsMaximized()) tiled.push_back(window);
    }
    if (tiled.empty()) return;
    vRect area = frame_.WindowArea();
    int count = int(tiled.size());
    int width = std::max(area.w / count, 1);
    for (int i = 0; i < count; ++i) {
        tiled[size_t(i)]->View().SetBounds(area.x + i * width, area.y, width, area.h);
        tiled[size_t(i)]->LayoutClient();
    }
}
