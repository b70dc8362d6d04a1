#include "framework/window/pane_layout.h"

#include <algorithm>

#include "framework/window/frame.h"
#include "framework/window/pane.h"
#include "framework/window/window.h"
#include "framework/window/window_registry.h"

vPaneLayout::vPaneLayout(vFrame& frame, const vWindowRegistry& windows) : frame_(frame), windows_(windows) {}

void vPaneLayout::AddBar(vPane* pane) {
    if (!pane || std::find(bars_.begin(), bars_.end(), pane) != bars_.end()) return;
    bars_.insert(bars_.begin(), pane);
    frame_.BarLayer().AddChild(pane);
}

void vPaneLayout::RemoveBar(vPane* pane) {
    auto found = std::find(bars_.begin(), bars_.end(), pane);
    if (found == bars_.end()) return;
    bars_.erase(found);
    frame_.BarLayer().RemoveChild(pane);
    Arrange();
}

void vPaneLayout::ShowActiveBars() {
    vWindow* active = windows_.Active();
    for (vPane* pane : bars_) pane->SetShown(active && pane->Window() == active && pane->IsPaneOn());
    vPane* menu = active ? active->MenuPane() : nullptr;
    frame_.SetMenuStrip(menu && menu->IsPaneOn() ? menu : nullptr);
}

void vPaneLayout::HideAll() {
    for (vPane* pane : bars_) pane->SetShown(false);
    frame_.SetMenuStrip(nullptr);
    Arrange();
}

// Newest first: status bars stack upwards from the bottom, command bars downwards
// from the top; the command windows get the rest.
void vPaneLayout::Arrange() {
    if (!frame_.Exists()) return;
    vRect client = frame_.ClientArea();
    int top = 0, bottom = client.h;
    for (vPane* pane : bars_) {
        if (pane->Window() != windows_.Active() || !pane->IsPaneOn() || !pane->IsShown()) continue;
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
    for (vWindow* window : windows_.Windows()) {
        if (window->IsBuilt()) window->LayoutClient();
    }
}

void vPaneLayout::Cascade() {
    vRect area = frame_.WindowArea();
    int step = vWindowView::kCaptionHeight + vWindowView::kBorder;
    int offset = 0;
    for (vWindow* window : windows_.Windows()) {
        if (!window->IsBuilt() || window->View().IsMaximized()) continue;
        window->View().SetBounds(area.x + offset, area.y + offset, std::max(area.w * 3 / 4, 1),
                                 std::max(area.h * 3 / 4, 1));
        window->LayoutClient();
        offset += step;
    }
}

void vPaneLayout::Tile() {
    std::vector<vWindow*> tiled;
    for (vWindow* window : windows_.Windows()) {
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
