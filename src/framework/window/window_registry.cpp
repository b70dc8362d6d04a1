#include "framework/window/window_registry.h"

#include <algorithm>

#include "framework/window/app_win_info.h"
#include "framework/window/cmd_window.h"
#include "framework/window/command_ids.h"
#include "framework/window/frame.h"
#include "framework/window/pane_layout.h"

namespace {

template <class T>
void EraseValue(std::vector<T>& list, const T& value) {
    list.erase(std::remove(list.begin(), list.end(), value), list.end());
}

}  // namespace

vWindowRegistry::vWindowRegistry(vFrame& frame, vPaneLayout& layout)
    : frame_(frame), layout_(layout), nextWindowId_(vFirstWindowId) {}

vWindowRegistry::~vWindowRegistry() {
    for (vWindow* window : linked_) window->ForgetApp();
}

// ---- Opened windows ---------------------------------------------------------------------------

void vWindowRegistry::Register(vWindow* window, vAppWinInfo* info) {
    entries_.insert(entries_.begin(), Registration{window, info});
}

void vWindowRegistry::Unregister(vWindow* window) {
    auto found = std::find_if(entries_.begin(), entries_.end(),
                              [window](const Registration& entry) { return entry.window == window; });
    if (found == entries_.end()) return;
    delete found->info;
    entries_.erase(found);
}

vAppWinInfo* vWindowRegistry::InfoOf(vWindow* window) const {
    for (const Registration& entry : entries_) {
        if (entry.window == window) return entry.info;
    }
    return nullptr;
}

void vWindowRegistry::AddToDeadList(vWindow* window) {
    if (window && std::find(deadList_.begin(), deadList_.end(), window) == deadList_.end()) {
        deadList_.push_back(window);
    }
}

// A loop ended by an error leaves windows registered that were never closed.
void vWindowRegistry::DeleteAll() {
    while (!deadList_.empty()) delete deadList_.front();
    while (!entries_.empty()) {
        vWindow* window = entries_.front().window;
        if (window->IsBuilt()) window->Teardown();
        delete window;
    }
}

// ---- Every window that exists -------------------------------------------------------------------

void vWindowRegistry::LinkWindow(vWindow* window) {
    windows_.push_back(window);
    linked_.push_back(window);
}

void vWindowRegistry::UnlinkWindow(vWindow* window) {
    EraseValue(windows_, window);
    if (active_ == window) active_ = nullptr;
    for (vWindow* other : windows_) {
        if (other->PreviousActive() == window) other->ForgetPrevious();
    }
}

void vWindowRegistry::LinkCmdWindow(vCmdWindow* window) { cmdWindows_.push_back(window); }

void vWindowRegistry::UnlinkCmdWindow(vCmdWindow* window) { EraseValue(cmdWindows_, window); }

void vWindowRegistry::WindowDeleted(vWindow* window) {
    Unregister(window);
    EraseValue(deadList_, window);
    UnlinkWindow(window);
    EraseValue(linked_, window);
}

vWindow* vWindowRegistry::WindowOfView(const vView* view) const {
    for (vWindow* window : windows_) {
        if (&window->View() == view) return window;
    }
    return nullptr;
}

// ---- Activation -------------------------------------------------------------------------------

void vWindowRegistry::Activate(vWindow* window) {
    if (window == active_ || (window && !window->IsBuilt())) return;
    vWindow* previous = active_;
    bool windowHadFocus = frame_.Focus() == nullptr;
    if (previous && windowHadFocus) previous->FocusLost();
    if (previous) previous->View().SetActiveLook(false);
    active_ = window;
    if (window) {
        window->Activated(previous);
        window->View().SetActiveLook(true);
        frame_.WindowLayer().RaiseChild(&window->View());
    }
    layout_.ShowActiveBars();
    layout_.Arrange();
    if (window && windowHadFocus) window->FocusGained();
}

int vWindowRegistry::TakeCascadeStep() {
    int step = cascadeStep_;
    cascadeStep_ = (cascadeStep_ + 1) % kCascadeSteps;
    return step;
}
